# .ci/lib.sh: the helpers CI's scripts share, sourced by them.
step() { printf '\n=== %s\n' "$*"; }
# summary LINE...: lines of the run's summary (in CI_SUMMARY), shown too.
summary() { printf '%s\n' "$@" | tee -a "${CI_SUMMARY:-/dev/null}"; }

# readme_packages: the packages that the README's apt-get line names.
readme_packages() {
    sed -n 's/^sudo apt-get install \(.*\)/\1/p' README.md | tr ' ' '\n' | grep -v '^-'
}

# apt_install PACKAGE...: from the package registry, its lists updated once.
apt_install() {
    step "installing $*"
    [ -n "${updated-}" ] || { DEBIAN_FRONTEND=noninteractive apt-get update -qq; updated=1; }
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

# tests_passed NAME LOG: ctest's LOG shows every test run and passed.
tests_passed() {
    if grep -A 20 'The following tests did not run' "$2"; then return 1; fi
    grep -q '^100% tests passed, 0 tests failed out of [1-9]' "$2"
    summary "  $1: $(grep -m1 'tests passed, ' "$2")"
}

# hardening_check PROGRAM...: PIE, stack protector, relro and bind-now;
# not the control-flow marks, which Debian 12's crt1.o lacks, nor arm64's
# branch protection, which Debian 13's asks of amd64 too.
hardening_check() {
    local options=(--nocfprotection)
    [[ $(hardening-check --help 2>&1) == *--nobranchprotection* ]] &&
        options+=(--nobranchprotection)
    hardening-check --quiet "${options[@]}" "$@"
    summary "  hardening-check ${options[*]}: all $# programs pass"
}

# source_package DIR [COMMIT]: COMMIT's (HEAD's) source package in DIR.
source_package() {
    local version tree
    version=$(git show "${2:-HEAD}:packaging/changelog" | sed -n '1s/^[^(]*(\([^)]*\)).*/\1/p')
    tree=$1/console-exercises-$version
    mkdir -p "$tree"
    git archive "${2:-HEAD}" | tar -x -C "$tree"
    cp -rL "$tree/packaging/debian" "$tree/debian"
    (cd "$1" && dpkg-source -b "${tree##*/}" >/dev/null)
    echo "$1/console-exercises_$version.dsc"
}

# autopkgtest_on DEB DSC TARBALL: DSC's DEP-8 tests of DEB in a fresh
# testbed from TARBALL; their output in the folder DEB.autopkgtest.
autopkgtest_on() {
    autopkgtest -U -o "$1.autopkgtest" "$1" "$2" -- unshare -t "$3" >/dev/null 2>&1 ||
        { tail -n 40 "$1.autopkgtest/log"; return 1; }
}

# piuparts_on DEB TARBALL SUITE [OPTION...]: prints piuparts' verdict.
# Debian 13's debconf leaves its tmp.ci, which piuparts 1.1.7 does not know.
piuparts_on() {
    piuparts -b "$2.gz" -d "$3" --mirror="http://deb.debian.org/debian main" "${@:4}" \
        --ignore=/var/cache/debconf/tmp.ci/ "$1" \
        >"$1.piuparts" 2>&1 || { grep -E 'ERROR|FAIL' "$1.piuparts" | tail -n 20 >&2; return 1; }
    grep -oP 'PASS: Installation[^.]*' "$1.piuparts" | tail -n 1
}
