#!/usr/bin/env bash
# release.sh TARBALL: a release tarball as a user off Debian gets it. It
# holds one folder, named as the tarball, with what installing gives
# (tests/lib.sh's installed), every entry owned by 0:0. Each program is
# built for the architecture the name ends with, links no shared library
# and, started alone in an empty root, answers 97 as it does here; every
# check of tests/installed.sh passes over its bin. The README's lines for
# a tarball, for this one's architecture, work as written under a scratch
# HOME: the first installs it into ~/.local, where the programs answer;
# the rest remove every file of it again.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
name=$(basename "$1" .tar.gz)
arch=${name##*-}
top=$tmp/tree/$name
mkdir "$tmp/tree" && tar -xzf "$1" -C "$tmp/tree" || exit 1
mapfile -t programs < <(bash "$here/programs")

[ "$(ls -A "$tmp/tree")" = "$name" ] || failed "$1 holds more than one folder, $name"
installed "$top" "$1"
if tar --numeric-owner -tvzf "$1" | grep -v '^[^ ]* 0/0 '; then
    failed "$1 has entries not owned by 0:0"
fi

for program in "${programs[@]}"; do
    if readelf -d "$top/bin/$program" | grep NEEDED; then
        failed "$program links a shared library"
    fi
    case $arch:$(readelf -h "$top/bin/$program" | grep Machine:) in
    x86_64:*X86-64 | aarch64:*AArch64) ;;
    *) failed "$program is not a program for $arch" ;;
    esac
    mkdir "$tmp/root" && cp "$top/bin/$program" "$tmp/root"
    alone=$(echo 97 | unshare -r --root="$tmp/root" "/$program" 2>&1; echo "status $?")
    rm -r "$tmp/root"
    if [ "$alone" = "$(echo 97 | "$top/bin/$program" 2>&1; echo "status $?")" ]; then
        passed
    else
        failed "$program, alone in an empty root:" "$alone"
    fi
done
bash "$here/installed.sh" "$top" && passed || failed "the cases over its bin"

# readme LINES: run as the README has them, beside the tarball.
readme() {
    (cd "$(dirname "$1")" && HOME=$tmp/home bash -e -o pipefail -c "$2") >"$tmp/log" 2>&1 ||
        failed "the README's lines for the tarball:" "$2" "$(cat "$tmp/log")"
}
lines=$(awk '/^```sh$/ { block = ""; inside = 1; next }
             /^```$/ && inside { if (block ~ /tar -xzf/) { printf "%s", block; exit } inside = 0 }
             inside { block = block $0 "\n" }' "$here/../README.md" | sed "s/-linux-x86_64\./-linux-$arch./g")
mkdir "$tmp/home"
readme "$1" "$(head -n 1 <<<"$lines")"
installed "$tmp/home/.local" "~/.local, installed as the README says,"
bash "$here/installed.sh" "$tmp/home/.local" examples >"$tmp/log" && passed ||
    failed "the programs in ~/.local/bin do not give the example sessions:" "$(cat "$tmp/log")"
readme "$1" "$(tail -n +2 <<<"$lines")"
left=$(cd "$tmp/home/.local" && find . ! -type d)
[ -z "$left" ] && passed || failed "the README's lines for removing the tarball leave:" "$left"
finish
