#!/usr/bin/env bash
# release.sh TARBALL: a release tarball as a user off Debian gets it. It
# holds one folder, named as the tarball, with the programs that
# CMakeLists.txt names in bin, their pages and the package's documents,
# and nothing else, every entry owned by 0:0. Each program is built for
# the architecture the name ends with, links no shared library and,
# started alone in an empty root, answers 97 as it does here. The project's
# cases pass over its bin, as DEP-8's do over /usr/bin: the transcripts
# and the cases every reader shares, the checks every program must pass,
# the pages and the example sessions of the README and the pages.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
name=$(basename "$1" .tar.gz)
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
    case ${name##*-}:$(readelf -h "$top/bin/$program" | grep Machine:) in
    x86_64:*X86-64 | aarch64:*AArch64) ;;
    *) failed "$program is not a program for ${name##*-}" ;;
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

# cases NAME COMMAND...: one of the project's test scripts, shown by its
# closing line.
cases() {
    if "${@:2}" >"$tmp/log" 2>&1; then passed; else failed "$1:" "$(grep -v '^ok' "$tmp/log")"; fi
    echo "$1: $(tail -n 1 "$tmp/log")"
}
cases transcripts bash "$here/transcripts.sh" "$top/bin" "$here"/*/*.t "$here/reading.t"
cases every_program bash "$here/every_program.sh" "${programs[@]/#/$top/bin/}"
cases man_pages bash "$here/man_pages.sh" "$top"/share/man/man1/*
cases examples bash "$here/examples.sh" "$top/bin" "$here/../README.md" "$top"/share/man/man1/*
finish
