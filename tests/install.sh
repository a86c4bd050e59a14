#!/usr/bin/env bash
# install.sh CMAKE BUILDDIR: `CMAKE --install` into a fresh prefix gives
# what installing must give (tests/lib.sh's installed); the installed pages
# pass the checks of tests/installed.sh on pages and example sessions.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
prefix=$tmp/prefix

if "$1" --install "$2" --prefix "$prefix" >"$tmp/log" 2>&1; then
    passed
else
    failed "cmake --install" "$(cat "$tmp/log")"
fi
installed "$prefix" "the prefix installed into"
bash "$here/installed.sh" "$prefix" man-pages examples >"$tmp/log" && passed ||
    failed "the installed pages:" "$(cat "$tmp/log")"
finish
