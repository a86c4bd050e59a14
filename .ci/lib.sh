# .ci/lib.sh: the helpers CI's scripts share, sourced by them.
step() { printf '\n=== %s\n' "$*"; }
# summary LINE...: lines of the run's summary (in CI_SUMMARY), shown too.
summary() { printf '%s\n' "$@" | tee -a "${CI_SUMMARY:-/dev/null}"; }

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
