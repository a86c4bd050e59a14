#!/usr/bin/env bash
# parity_list.sh PROGRAM [small|large]: the even-number list at the limits
# where it is most likely to go wrong, compared byte for byte with seq.
#
# The list is written in blocks of 10^4 numbers, patched from one block to
# the next and formatted afresh where the numbers gain a digit. So the
# limits are each side of every power of ten (the width changes there, and
# from 10^4 on those are block boundaries too), each side of other block
# boundaries, 20000, 200000 and 2000000 (where the patch carries over one,
# two and three digits) and 2000 (a boundary of blocks of 10^3).
#
# small: limits below 10^7, whole output against seq.
# large: the largest list, 11 GB, by its digest: it alone holds the lines
#   of ten digits, the carries over four to six high digits and the top of
#   the range; and a list whose output has failed must stop at once.
. "$(dirname "$0")/lib.sh"
prog=$1
which=${2:-small}
prompt='Enter your number limit : '

limits() {
    local power
    for ((power = 10; power <= 10000000; power *= 10)); do
        echo $((power - 2)) $((power - 1)) $power $((power + 1))
    done
    echo 0 1 2 3 1999 2000 2001 2002 19999 20000 20001 20002 199999 200000 \
         200001 1999999 2000000 2000001
}

small() {
    local out
    out=$(cmp <(echo "$1" | "$prog") <(printf %s "$prompt"; seq 0 2 "$1") 2>&1) &&
        passed || failed "limit $1: $out"
}

if [ "$which" = small ]; then
    for limit in $(limits); do
        ((limit < 10000000)) && small "$limit"
    done
else
    # The digest of the prompt and `seq 0 2 2147483647` (cksum: CRC and
    # length); only once it differs, the list again, for where.
    digest=$(echo 2147483647 | "$prog" | cksum)
    if [ "$digest" = "3121222483 11255604535" ]; then
        passed
    else
        failed "limit 2147483647: cksum $digest, expected 3121222483 11255604535" \
               "$(cmp <(echo 2147483647 | "$prog") <(printf %s "$prompt"; seq 0 2 2147483647) 2>&1)"
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
