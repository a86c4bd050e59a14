# tests/lib.sh: what the test scripts share, sourced first by each: the C
# locale, a scratch folder $tmp that goes when the script ends, and the
# counts behind its closing line, "N passed, N failed, N skipped".
set -u
export LC_ALL=C
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
pass=0
fail=0
skip=0

passed() { pass=$((pass + 1)); }

# failed WHAT [DETAIL...]: a case that failed, on a line of its own with
# its details indented below.
failed() {
    fail=$((fail + 1))
    printf 'FAIL %s\n' "$1"
    shift
    [ $# -eq 0 ] || printf '  %s\n' "$@"
}

# missing TOOL PACKAGE WHAT: WHAT needs a tool the machine lacks. It is
# skipped and said so, or fails where REQUIRE_ALL_CASES=1, as in CI.
missing() {
    if [ "${REQUIRE_ALL_CASES:-0}" = 1 ]; then
        failed "$3: $1 not found (Debian package $2)"
    else
        skip=$((skip + 1))
        printf 'SKIP %s: %s not found (Debian package %s)\n' "$3" "$1" "$2"
    fi
}

# installed DIR WHAT: DIR holds the programs that CMakeLists.txt names in
# bin, their pages in share/man/man1 and the package's copyright and
# changelog in its doc folder, as installing lays them out, and nothing
# else; what is compressed is gzip -9n of the source (no name or time, so
# the bytes follow the content alone), and the copyright file holds
# LICENSE's text, indented, a blank line as " .".
installed() {
    local source want actual gz plain
    source=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    want=$( (bash "$source/tests/programs" | sed 's|.*|bin/&\nshare/man/man1/&.1.gz|'
             printf 'share/doc/console-exercises/%s\n' changelog.gz copyright) | sort)
    actual=$(cd "$1" && find . -type f -o -type l | sed 's|^\./||' | sort)
    [ "$want" = "$actual" ] && passed ||
        failed "$2 holds other files than the programs, their pages and documents:" \
               "$(diff <(echo "$want") <(echo "$actual"))"
    for gz in "$1"/share/man/man1/*.gz "$1"/share/doc/*/changelog.gz; do
        plain=$source/man/$(basename "$gz" .gz)
        [[ $gz == */changelog.gz ]] && plain=$source/packaging/changelog
        gzip -9n <"$plain" | cmp -s - "$gz" && passed || failed "${gz#"$1/"} is not gzip -9n of $plain"
    done
    sed -n '/^License: Expat$/,$p' "$1"/share/doc/*/copyright | tail -n +2 | sed 's/^ //; s/^\.$//' |
        cmp -s - <(sed -n '/^Permission/,$p' "$source/LICENSE") && passed ||
        failed "$2: the copyright file does not hold the Expat text of LICENSE"
}

# finish: the closing line; the script passes if nothing failed and
# something passed.
finish() {
    echo "$pass passed, $fail failed, $skip skipped"
    [ "$fail" -eq 0 ] && [ "$pass" -gt 0 ]
}
