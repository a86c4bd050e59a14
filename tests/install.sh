#!/usr/bin/env bash
# install.sh CMAKE BUILDDIR SOURCEDIR: `CMAKE --install` into a fresh
# prefix gives exactly the programs that CMakeLists.txt names (as
# tests/programs reads them) in bin, one manual page each in
# share/man/man1 and the copyright and changelog in the package's doc
# folder; what is compressed is gzip -9n of the source, and the installed
# programs give the example sessions of the README and the installed pages.
. "$(dirname "$0")/lib.sh"
cmake=$1
build=$2
source=$3
prefix=$tmp/prefix

if "$cmake" --install "$build" --prefix "$prefix" >"$tmp/log" 2>&1; then
    passed
else
    failed "cmake --install" "$(cat "$tmp/log")"
fi

installed "$prefix" "the prefix installed into"

# Compressed without a name or time, so the bytes follow the content alone.
for gz in "$prefix"/share/man/man1/*.gz "$prefix"/share/doc/*/changelog.gz; do
    plain=$source/man/$(basename "$gz" .gz)
    [[ $gz == */changelog.gz ]] && plain=$source/packaging/changelog
    if gzip -9n <"$plain" | cmp -s - "$gz"; then
        passed
    else
        failed "${gz#"$prefix/"} is not gzip -9n of $plain"
    fi
done
# The copyright file holds LICENSE's text, indented, a blank line as " .".
if sed -n '/^License: Expat$/,$p' "$prefix"/share/doc/*/copyright | tail -n +2 |
    sed 's/^ //; s/^\.$//' | cmp -s - <(sed -n '/^Permission/,$p' "$source/LICENSE"); then
    passed
else
    failed "the copyright file does not hold the Expat text of LICENSE"
fi

if bash "$source/tests/examples.sh" "$prefix/bin" "$source/README.md" \
    "$prefix"/share/man/man1/*.gz >"$tmp/log"; then
    passed
else
    failed "the installed programs do not give the example sessions:" "$(cat "$tmp/log")"
fi
finish
