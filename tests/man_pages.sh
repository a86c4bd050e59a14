#!/usr/bin/env bash
# man_pages.sh PAGE...: every manual page says how the program exits and
# renders without a warning from groff or man. Without those two tools
# the rendering cannot be judged: the test is skipped (status 77), naming
# the package that brings the tool.
set -u
export LC_ALL=C

fail=0
failed() { fail=$((fail + 1)); printf 'FAIL %s\n' "$*"; }

for page in "$@"; do
    grep -q '^\.SH EXIT STATUS' "$page" || failed "${page##*/} has no EXIT STATUS"
done

for tool in groff:groff-base man:man-db; do
    if ! command -v "${tool%%:*}" >/dev/null; then
        echo "skipped: ${tool%%:*} not found (Debian package ${tool#*:})"
        [ "$fail" -eq 0 ] && exit 77
        exit 1
    fi
done

for page in "$@"; do
    warnings=$( { groff -man -ww -z "$page"; man --warnings -l "$page" >/dev/null; } 2>&1)
    [ -z "$warnings" ] || failed "${page##*/} renders with warnings: $warnings"
done

echo "$# pages; $((fail == 0 ? 1 : 0)) passed, $fail failed"
[ "$fail" -eq 0 ]
