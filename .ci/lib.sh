# .ci/lib.sh: the helpers CI's scripts share, sourced by them.

step() { printf '\n=== %s\n' "$*"; }

# readme_packages: the packages that the README's apt-get line names,
# all that a minimal Debian needs for its two commands.
readme_packages() {
    sed -n 's/^sudo apt-get install \(.*\)/\1/p' README.md | tr ' ' '\n' | grep -v '^-'
}

# apt_install PACKAGE...: those not installed yet, from the package
# registry, its lists updated once.
apt_install() {
    local package need=()
    for package; do
        dpkg-query -W -f='${db:Status-Status}\n' "$package" 2>/dev/null |
            grep -qx installed || need+=("$package")
    done
    [ ${#need[@]} -eq 0 ] && return
    step "installing ${need[*]}"
    [ -n "${apt_updated-}" ] || DEBIAN_FRONTEND=noninteractive apt-get update -qq
    apt_updated=1
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${need[@]}" >/dev/null
}

# all_ran LOG: ctest's output in LOG shows no test that did not run.
all_ran() {
    if grep -q 'The following tests did not run' "$1"; then
        sed -n '/The following tests did not run/,$p' "$1"
        return 1
    fi
}

# toolchain DIR LOG VAR=VALUE...: the default preset configured in DIR
# with these variables in the environment, as a builder would set them,
# warnings made errors; then built, and every test run, ctest's output
# in LOG.
toolchain() {
    local dir=$1 log=$2
    shift 2
    step "toolchain: ${*:-the default} in $dir"
    env "$@" cmake --preset default -B "$dir" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
    cmake --build "$dir" -j 2
    ctest --test-dir "$dir" --output-on-failure --no-tests=error -j 2 2>&1 | tee "$log"
    all_ran "$log"
}

# hardening_check PROGRAM...: PIE, stack protector, relro and bind-now.
# Our objects carry control-flow marks (readelf -n: IBT, SHSTK), but
# Debian 12's own start files (crt1.o, crti.o) do not, so the linker
# drops them from every program; from Debian 13 on, hardening-check also
# asks for arm64's branch protection, which no amd64 program has, and
# has an option to leave it out.
hardening_check() {
    local options=(--nocfprotection) out
    [[ $(hardening-check --help 2>&1) == *--nobranchprotection* ]] &&
        options+=(--nobranchprotection)
    out=$(hardening-check "${options[@]}" "$@") || { echo "$out"; return 1; }
    echo "hardening-check ${options[*]}: all $# programs pass"
}
