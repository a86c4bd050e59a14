#!/usr/bin/env bash
# install.sh CMAKE BUILDDIR SOURCEDIR: `CMAKE --install` into a fresh
# prefix gives exactly the programs that CMakeLists.txt names (as
# tests/programs reads them) in bin, one manual page each in
# share/man/man1 and the copyright and changelog in the package's doc
# folder; what is compressed is gzip -9n of the source, and an installed
# program runs.
set -u
export LC_ALL=C

cmake=$1
build=$2
source=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail=0
failed() { fail=$((fail + 1)); printf 'FAIL %s\n' "$*"; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || failed "cmake --install"

expected=$( (for n in $(bash "$source/tests/programs"); do
    printf 'bin/%s\nshare/man/man1/%s.1.gz\n' "$n" "$n"
done
printf 'share/doc/console-exercises/%s\n' copyright changelog.gz
) | sort)
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
if [ "$expected" != "$actual" ]; then
    failed "installed files differ from the programs and their pages:"
    diff <(echo "$expected") <(echo "$actual")
fi
programs=$(echo "$expected" | grep -c '^bin/')

# Compressed without a name or time, so the bytes follow the content alone.
for gz in "$prefix"/share/man/man1/*.gz "$prefix"/share/doc/*/changelog.gz; do
    plain=$source/man/$(basename "$gz" .gz)
    [[ $gz == */changelog.gz ]] && plain=$source/packaging/changelog
    gzip -9n <"$plain" | cmp -s - "$gz" || failed "${gz#"$prefix/"} is not gzip -9n of $plain"
done
# The copyright file holds LICENSE's text, indented, a blank line as " .".
sed -n '/^License: Expat$/,$p' "$prefix"/share/doc/*/copyright | tail -n +2 |
    sed 's/^ //; s/^\.$//' | cmp -s - <(sed -n '/^Permission/,$p' "$source/LICENSE") ||
    failed "the copyright file does not hold the Expat text of LICENSE"

answer=$(echo 97 | "$prefix/bin/prime_test")
[ "$answer" = "Enter a number : The number is a prime number ! " ] ||
    failed "installed prime_test answers 97 with: $answer"

echo "$programs programs and pages installed; $((fail == 0 ? 1 : 0)) passed, $fail failed"
[ "$fail" -eq 0 ]
