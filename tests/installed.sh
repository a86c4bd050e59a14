#!/usr/bin/env bash
# installed.sh PREFIX [CHECK...]: the programs installed in PREFIX/bin, and
# their pages in PREFIX/share/man/man1, checked with the cases the build's
# own tests run on the build tree: the CHECKs named, or all. The one list
# of them: a DEP-8 test of the Debian package runs one, tests/release.sh
# all. The pages are named from tests/programs, so a missing one fails by
# its name. Each check's closing line is given its name.
here=$(dirname "$0")
. "$here/lib.sh"
prefix=$1
shift
mapfile -t programs < <(bash "$here/programs")
pages=("${programs[@]/#/$prefix/share/man/man1/}")
pages=("${pages[@]/%/.1.gz}")

check() {
    case $1 in
    transcripts) bash "$here/transcripts.sh" "$prefix/bin" "$here"/*/*.t "$here/reading.t" ;;
    every-program) bash "$here/every_program.sh" "${programs[@]/#/$prefix/bin/}" ;;
    man-pages) bash "$here/man_pages.sh" "${pages[@]}" ;;
    examples) bash "$here/examples.sh" "$prefix/bin" "$here/../README.md" "${pages[@]}" ;;
    parity-list) bash "$here/parity_list.sh" "$prefix/bin/parity_list" ;;
    *) echo "no check $1" && false ;;
    esac
}

[ $# -gt 0 ] || set -- transcripts every-program man-pages examples parity-list
for name; do
    check "$name" >"$tmp/out" 2>&1 && passed || failed "$name"
    sed "\$s/^/$name: /" "$tmp/out"
done
finish
