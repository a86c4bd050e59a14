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
