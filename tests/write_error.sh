#!/usr/bin/env bash
# write_error.sh PROGRAM...: output that cannot be written must not pass for
# success, nor keep a program busy. On a full disk, a closed standard output
# and a pipe whose reader has gone (SIGPIPE ignored) the program must say
# "NAME: write error: REASON" on standard error, the reason being that of
# the failed write, and exit with status 1; under the default SIGPIPE a
# reader that goes away ends it.
#
# Standard input is endless: a number past the range of every integer
# type, over and over. It reads as the largest limit, so parity_list starts
# its longest list; target_wait is never given 123; and libc++, which says
# such a number overflowed by setting errno, would show it in place of the
# failed write's reason. Each run must end within $limit seconds.

set -u
export LC_ALL=C

limit=${WRITE_ERROR_TIMEOUT:-10} # ample on an emulated or slow machine
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
pass=0
fail=0

endless() { yes 99999999999999999999999; }

# check HOW STATUS REASON
check() {
    local how=$1 status=$2 reason=$3
    if [ "$status" -eq 124 ]; then
        fail=$((fail + 1))
        printf 'FAIL %s, %s: still running after %ss\n' "$name" "$how" "$limit"
    elif [ "$status" -eq 1 ] &&
         [ "$(cat "$tmp/err"; echo x)" = "$name: write error: $reason"$'\n'x ]; then
        pass=$((pass + 1))
    else
        fail=$((fail + 1))
        printf 'FAIL %s, %s: exit status %d, expected 1 and "%s: write error: %s"; standard error:\n' \
               "$name" "$how" "$status" "$name" "$reason"
        cat "$tmp/err"
    fi
}

for prog in "$@"; do
    name=${prog##*/}
    endless | timeout "$limit" "$prog" >/dev/full 2>"$tmp/err"
    check "full disk" $? "No space left on device"

    endless | timeout "$limit" "$prog" >&- 2>"$tmp/err"
    check "closed standard output" $? "Bad file descriptor"

    # A fifo whose only reader has closed: every write fails with EPIPE, with
    # no race against a reader that might still be there.
    rm -f "$tmp/pipe"
    mkfifo "$tmp/pipe"
    exec {reader}<>"$tmp/pipe" {writer}>"$tmp/pipe"
    exec {reader}<&-
    endless | (trap '' PIPE && exec timeout "$limit" "$prog" >&"$writer" 2>"$tmp/err")
    check "reader gone, SIGPIPE ignored" $? "Broken pipe"
    exec {writer}>&-

    # Default SIGPIPE: the reader takes one byte and leaves; the program must
    # not outlive it by more than a moment.
    set -o pipefail
    endless | timeout "$limit" "$prog" 2>/dev/null | head -c 1 >/dev/null
    status=$?
    set +o pipefail
    if [ "$status" -eq 124 ]; then
        fail=$((fail + 1))
        printf 'FAIL %s, reader gone, default SIGPIPE: still running after %ss\n' "$name" "$limit"
    else
        pass=$((pass + 1))
    fi
done

echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ] && [ "$pass" -gt 0 ]
