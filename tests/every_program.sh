#!/usr/bin/env bash
# every_program.sh PROGRAM...: what every program must do, whatever it
# computes.
#
# Output that cannot be written must not pass for success, nor keep a
# program busy. On a full disk, a closed standard output and a pipe whose
# reader has gone (SIGPIPE ignored) the program must say "NAME: write
# error: REASON" on standard error, the reason being that of the failed
# write, and exit with status 1; under the default SIGPIPE a reader that
# goes away ends it. Standard input is endless: a number past the range
# of every integer type, over and over. It reads as the largest limit, so
# parity_list starts its longest list; target_wait is never given 123;
# and libc++, which says such a number overflowed by setting errno, would
# show it in place of the failed write's reason. Each run must end within
# $limit seconds.
#
# A small stack must do: with 32 KB of it and an empty environment, the
# answer to 97 is the same as on an ordinary stack (a large buffer on
# the stack would die of a segmentation fault before its prompt).

. "$(dirname "$0")/lib.sh"
limit=${WRITE_ERROR_TIMEOUT:-10} # ample on an emulated or slow machine

endless() { yes 99999999999999999999999; }

# check HOW STATUS REASON
check() {
    local how=$1 status=$2 reason=$3
    if [ "$status" -eq 124 ]; then
        failed "$name, $how: still running after ${limit}s"
    elif [ "$status" -eq 1 ] &&
         [ "$(cat "$tmp/err"; echo x)" = "$name: write error: $reason"$'\n'x ]; then
        passed
    else
        failed "$name, $how: exit status $status, expected 1 and \"$name: write error: $reason\"; standard error:" \
               "$(cat "$tmp/err")"
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
        failed "$name, reader gone, default SIGPIPE: still running after ${limit}s"
    else
        passed
    fi

    echo 97 | "$prog" >"$tmp/want" 2>&1
    echo "status $?" >>"$tmp/want"
    # Under emulation the loader's prefix is the machine's, not the program's.
    echo 97 | env -i ${QEMU_LD_PREFIX:+QEMU_LD_PREFIX="$QEMU_LD_PREFIX"} "$(command -v bash)" \
        -c 'ulimit -s 32 && exec "$0"' "$prog" >"$tmp/got" 2>&1
    echo "status $?" >>"$tmp/got"
    if cmp -s "$tmp/want" "$tmp/got"; then
        passed
    else
        failed "$name, 32 KB of stack: not its ordinary answer to 97:" "$(tail -c 300 "$tmp/got")"
    fi
done
finish
