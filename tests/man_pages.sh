#!/usr/bin/env bash
# man_pages.sh PAGE...: every manual page (plain or gzipped) is there,
# says how the program exits and renders without a warning from groff
# or man. Where one of those two tools is missing, its rendering is
# skipped and said so; where REQUIRE_ALL_CASES=1, that fails instead.
. "$(dirname "$0")/lib.sh"

for page in "$@"; do
    if [ ! -f "$page" ]; then
        failed "$page: no such page"
    elif zcat -f "$page" | grep -q '^\.SH EXIT STATUS'; then
        passed
    else
        failed "${page##*/} has no EXIT STATUS"
    fi
done

# render TOOL PACKAGE COMMAND...: each page's text through COMMAND.
render() {
    local tool=$1 package=$2 page warnings
    shift 2
    if ! command -v "$tool" >/dev/null; then
        missing "$tool" "$package" "rendering the pages"
        return
    fi
    for page in "${pages[@]}"; do
        [ -f "$page" ] || continue
        warnings=$(zcat -f "$page" | "$@" 2>&1 >/dev/null)
        if [ -z "$warnings" ]; then
            passed
        else
            failed "${page##*/} renders with warnings from $tool: $warnings"
        fi
    done
}
pages=("$@")
render groff groff-base groff -man -ww -z
render man man-db man --warnings -l -
finish
