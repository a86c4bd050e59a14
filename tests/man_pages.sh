#!/usr/bin/env bash
# man_pages.sh PAGE...: every manual page (plain or gzipped) is there,
# says how the program exits and renders without a warning from groff
# or man. Where one of those two tools is missing, its rendering is
# skipped and said so; where REQUIRE_ALL_CASES=1, that fails instead.
set -u
export LC_ALL=C

pass=0
fail=0
skip=0
failed() { fail=$((fail + 1)); printf 'FAIL %s\n' "$*"; }

for page in "$@"; do
    if [ ! -f "$page" ]; then
        failed "$page: no such page"
    elif zcat -f "$page" | grep -q '^\.SH EXIT STATUS'; then
        pass=$((pass + 1))
    else
        failed "${page##*/} has no EXIT STATUS"
    fi
done

# render TOOL PACKAGE COMMAND...: each page's text through COMMAND.
render() {
    local tool=$1 package=$2 page warnings
    shift 2
    if ! command -v "$tool" >/dev/null; then
        if [ "${REQUIRE_ALL_CASES:-0}" = 1 ]; then
            failed "$tool not found (Debian package $package)"
        else
            skip=$((skip + ${#pages[@]}))
            echo "SKIP rendering with $tool: not found (Debian package $package)"
        fi
        return
    fi
    for page in "${pages[@]}"; do
        [ -f "$page" ] || continue
        warnings=$(zcat -f "$page" | "$@" 2>&1 >/dev/null)
        if [ -z "$warnings" ]; then
            pass=$((pass + 1))
        else
            failed "${page##*/} renders with warnings from $tool: $warnings"
        fi
    done
}
pages=("$@")
render groff groff-base groff -man -ww -z
render man man-db man --warnings -l -

echo "$pass passed, $fail failed, $skip skipped"
[ "$fail" -eq 0 ] && [ "$pass" -gt 0 ]
