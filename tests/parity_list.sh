#!/usr/bin/env bash
# parity_list.sh PROGRAM [small|large]: the even-number list at the limits
# where it is most likely to go wrong, compared byte for byte with seq.
#
# The list is written in blocks of 10^4 numbers, patched from one block to
# the next and formatted afresh where the numbers gain a digit. So the
# limits are each side of every power of ten (the width changes there, and
# from 10^4 on those are block boundaries too), each side of other block
# boundaries, 20000, 200000 and 2000000 (where the patch carries over one,
# two and three digits) and 2000 (a boundary of blocks of 10^3), and the
# top of the range.
#
# small: limits below 10^7, whole output against seq.
# large: from 10^7 on, the output from 10000 lines before the limit on
#   against seq (the bytes before those are counted, so the length is
#   checked too); the largest limit in full by a digest; and a list whose
#   output has failed must stop at once.
. "$(dirname "$0")/lib.sh"
prog=$1
which=${2:-small}
prompt='Enter your number limit : '

limits() {
    local power
    for ((power = 10; power <= 1000000000; power *= 10)); do
        echo $((power - 2)) $((power - 1)) $power $((power + 1))
    done
    echo 0 1 2 3 1999 2000 2001 2002 19999 20000 20001 20002 199999 200000 \
         200001 1999999 2000000 2000001 2147483646 2147483647
}

# Bytes of the lines for the even numbers below $1 (even).
bytes_before() {
    local below=$1 total=0 width=1 low=0 high=10 count
    while ((low < below)); do
        ((high > below)) && high=$below
        count=$(((high - low + 1) / 2))
        total=$((total + count * (width + 1)))
        low=$high
        width=$((width + 1))
        high=$((low * 10))
    done
    echo "$total"
}

small() {
    local limit=$1
    if cmp -s <(echo "$limit" | "$prog") <(printf %s "$prompt"; seq 0 2 "$limit"); then
        passed
    else
        failed "limit $limit: $(cmp <(echo "$limit" | "$prog") \
                <(printf %s "$prompt"; seq 0 2 "$limit") 2>&1 | head -n 1)"
    fi
}

large() {
    local limit=$1 from skip out
    from=$((limit - 20000 - limit % 2))
    skip=$((${#prompt} + $(bytes_before "$from")))
    out=$(echo "$limit" | "$prog" | cmp -i "$skip:0" - <(seq "$from" 2 "$limit") 2>&1)
    if [ -z "$out" ]; then
        passed
    else
        failed "limit $limit, after byte $skip: $out"
    fi
}

if [ "$which" = small ]; then
    for limit in $(limits); do
        ((limit < 10000000)) && small "$limit"
    done
else
    for limit in $(limits); do
        ((limit >= 10000000 && limit < 2147483647)) && large "$limit"
    done

    # All of the largest list: the digest of the prompt and
    # `seq 0 2 2147483647` (cksum: CRC and length).
    digest=$(echo 2147483647 | "$prog" | cksum)
    if [ "$digest" = "3121222483 11255604535" ]; then
        passed
    else
        failed "limit 2147483647: cksum $digest, expected 3121222483 11255604535"
    fi

    # Output that fails at the first write must end the list there: the
    # largest list into /dev/full may take no more CPU time than a tenth of
    # it takes written out (a list run on to its end takes ten times that).
    cpu() {
        local TIMEFORMAT='%3U %3S'
        { time echo "$1" | "$prog" >"$2" 2>/dev/null; } 2>&1 |
            awk '{ printf "%d\n", ($1 + $2) * 1000 }'
    }
    full=$(cpu 2147483647 /dev/full)
    tenth=$(cpu 214748364 /dev/null)
    if ((full <= tenth)); then
        passed
    else
        failed "into /dev/full: ${full} ms of CPU, more than the ${tenth} ms of a tenth of the list"
    fi
fi

finish
