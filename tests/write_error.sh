#!/usr/bin/env bash
# write_error.sh PROGRAM: output that cannot be written must not pass for
# success. On a full disk, a closed standard output and a pipe whose reader
# has gone (SIGPIPE ignored) the program must say "NAME: write error" on
# standard error, in one line, and exit with status 1.

set -u
export LC_ALL=C

prog=$1
name=${prog##*/}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
pass=0
fail=0

# 123 ends every reading program's dialogue; the others ignore it.
printf '123\n' >"$tmp/in"

check() {
    local how=$1 status=$2 lines
    lines=$(wc -l <"$tmp/err")
    if [ "$status" -eq 1 ] && [ "$lines" -eq 1 ] &&
       grep -q "^$name: write error" "$tmp/err"; then
        pass=$((pass + 1))
    else
        fail=$((fail + 1))
        printf 'FAIL %s, %s: exit status %d, standard error:\n' "$name" "$how" "$status"
        cat "$tmp/err"
    fi
}

timeout 10 "$prog" <"$tmp/in" >/dev/full 2>"$tmp/err"
check "full disk" $?

timeout 10 "$prog" <"$tmp/in" >&- 2>"$tmp/err"
check "closed standard output" $?

# A fifo whose only reader has closed: every write fails with EPIPE, with
# no race against a reader that might still be there.
mkfifo "$tmp/pipe"
exec {reader}<>"$tmp/pipe" {writer}>"$tmp/pipe"
exec {reader}<&-
(trap '' PIPE && exec timeout 10 "$prog" <"$tmp/in" >&"$writer" 2>"$tmp/err")
check "reader gone, SIGPIPE ignored" $?
exec {writer}>&-

echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
