#!/usr/bin/env bash
# transcripts.sh BINDIR FILE...: runs the cases in each FILE against the
# programs in BINDIR and compares every byte they write.
#
# A case is one line. Strings are in double quotes with backslash escapes
# (\n \t \r \\ \xHH \0NNN; \" for a quote), so a trailing space or a
# missing final newline is always visible. Either string may instead be
# $(command), whose output is the bytes, for input too large to spell out.
#
#   PROG "input" -> "expected output"            exit status must be 0
#   PROG "input" -> "expected output" exit N     exit status must be N
#   ... exit N stderr "expected standard error"  and so must standard error
#   PROG directory -> ...   standard input a directory (a read fails)
#   PROG closed -> ...      standard input closed
#   PROG hangup -> ...      a terminal that hangs up once the program waits
#                           on it (needs python3: without it the case is
#                           skipped, or fails where REQUIRE_ALL_CASES=1)
#   PROG expect "out" send "in" expect "out" ... a dialogue over pipes:
#       each expected text must arrive before the next input is sent;
#       after the last step standard input is closed and the program
#       must end, having written nothing more, with status 0.
#
# A case whose program is `reader` runs for every program that reads a
# number (tests/programs --readers, or the programs READERS names):
#   reader "token" as "number"   its answer to the token is its answer to
#                                the number: output, standard error and
#                                exit status, byte for byte
#   ... except PROG...           the same, leaving out these programs
#   reader directory fails "REASON"   (or closed, or hangup) a failed
#       read: the output is the program's prompt, the first text that the
#       dialogue in its own cases (tests/FOLDER/PROG.t) expects; standard
#       error is "PROG: read error: REASON" and the exit status 1.
#
# Lines that are blank or start with # are comments; a comment before a
# group of cases names the fault the group guards against.

here=$(dirname "$0")
. "$here/lib.sh"
bindir=$1
shift
read -ra readers <<<"${READERS-$(bash "$here/programs" --readers | tr '\n' ' ')}"
# Seconds a program may take for one case, and to answer in a dialogue.
limit=${TRANSCRIPT_TIMEOUT:-10}
wait_for=${DIALOGUE_TIMEOUT:-5}

# Writes the bytes a string token stands for into file $2.
bytes() {
    local tok=$1 out=$2
    if [[ $tok == '$('*')' ]]; then
        bash -c "${tok:2:${#tok}-3}" >"$out"
    else
        tok=${tok:1:${#tok}-2}
        printf '%b' "${tok//\\\"/\\x22}" >"$out"
    fi
}

# Shows the bytes of file $1 as a case string, shortened when long.
show() {
    local size
    size=$(wc -c <"$1")
    head -c 400 "$1" | od -An -v -tx1 | awk -v size="$size" '
        BEGIN { hex = "0123456789abcdef"; printf "\"" }
        {
            for (i = 1; i <= NF; i++) {
                n = (index(hex, substr($i, 1, 1)) - 1) * 16 + index(hex, substr($i, 2, 1)) - 1
                if (n == 10) printf "\\n"
                else if (n == 9) printf "\\t"
                else if (n == 13) printf "\\r"
                else if (n == 34) printf "\\\""
                else if (n == 92) printf "\\\\"
                else if (n >= 32 && n < 127) printf "%c", n
                else printf "\\x%s", $i
            }
        }
        END { printf "\""; if (size > 400) printf " ... (%d bytes)", size; print "" }'
}

# Splits a case line into the array tokens: words, "strings", $(commands).
tokenize() {
    local line=$1
    tokens=()
    while :; do
        line=${line#"${line%%[![:space:]]*}"}
        [ -z "$line" ] && return 0
        if [[ $line =~ ^(\"([^\"\\]|\\.)*\") ]] ||
           [[ $line =~ ^(\$\([^\)]*\)) ]] ||
           [[ $line =~ ^([^[:space:]\"]+) ]]; then
            tokens+=("${BASH_REMATCH[1]}")
            line=${line:${#BASH_REMATCH[1]}}
        else
            return 1
        fi
    done
}

# Runs "$@" with standard input a terminal that hangs up as soon as the
# program has written something and sleeps, i.e. waits in its read.
hangup() {
    python3 - "$limit" "$@" <<'END'
import os, pty, subprocess, sys, time
limit = float(sys.argv[1])
master, slave = pty.openpty()
child = subprocess.Popen(sys.argv[2:], stdin=slave)
os.close(slave)
deadline = time.monotonic() + limit
while time.monotonic() < deadline and child.poll() is None:
    with open(f"/proc/{child.pid}/stat") as stat:
        state = stat.read().rpartition(")")[2].split()[0]
    if state == "S" and os.fstat(1).st_size > 0:
        break
    time.sleep(0.01)
os.close(master)
try:
    status = child.wait(timeout=limit)
except subprocess.TimeoutExpired:
    child.kill()
    status = 124
sys.exit(status if status >= 0 else 128 - status)
END
}

# run PROG INPUT NAME: PROG with standard input INPUT (a string, or
# directory, closed or hangup); its output, standard error and exit status
# go to $tmp/NAME.out, .err and .status. Fails where the case cannot run
# here (a hang-up without python3), which missing has said.
run() {
    local prog=$bindir/$1 at=$tmp/$3
    if [ "$2" = hangup ] && ! command -v python3 >/dev/null; then
        missing python3 python3 "$where"
        return 1
    fi
    case $2 in
    directory) timeout "$limit" "$prog" </ ;;
    closed) timeout "$limit" "$prog" <&- ;;
    hangup) hangup "$prog" ;;
    *) bytes "$2" "$at.in" && timeout "$limit" "$prog" <"$at.in" ;;
    esac >"$at.out" 2>"$at.err"
    echo $? >"$at.status"
}

# compare WANT GOT: what ran as GOT against WANT: the same output and exit
# status, the same standard error where WANT has one, and none at all
# after an exit status of 0.
compare() {
    local want=$tmp/$1 got=$tmp/$2 status
    status=$(cat "$got.status")
    if ! cmp -s "$want.out" "$got.out"; then
        failed "$where" "expected: $(show "$want.out")" "actual:   $(show "$got.out")" \
               "$(cmp "$want.out" "$got.out" 2>&1 | sed 's/.*differ: /first difference: /')"
    elif [ "$status" != "$(cat "$want.status")" ]; then
        failed "$where" "exit status $status, expected $(cat "$want.status")" \
               "$(head -c 2000 "$got.err")"
    elif [ -e "$want.err" ] && ! cmp -s "$want.err" "$got.err"; then
        failed "$where" "standard error: expected $(show "$want.err")" \
               "actual:   $(show "$got.err")"
    elif [ "$status" = 0 ] && [ -s "$got.err" ]; then
        failed "$where" "wrote to standard error: $(head -c 2000 "$got.err")"
    else
        passed
    fi
}

transcript() {
    local i
    [ "${tokens[2]}" = "->" ] || { failed "$where" "expected ->"; return; }
    rm -f "$tmp/want.err"
    echo 0 >"$tmp/want.status"
    for ((i = 4; i < ${#tokens[@]}; i += 2)); do
        case ${tokens[i]} in
        exit) echo "${tokens[i + 1]}" >"$tmp/want.status" ;;
        stderr) bytes "${tokens[i + 1]}" "$tmp/want.err" ;;
        *) failed "$where" "malformed case"; return ;;
        esac
    done
    bytes "${tokens[3]}" "$tmp/want.out"
    run "${tokens[0]}" "${tokens[1]}" got && compare want got
}

# prompt PROG: into $tmp/want.out, the first text that the dialogue in
# PROG's own cases expects.
prompt() {
    local own line
    for own in "${file%/*}"/*/"$1".t; do
        line=$(grep -m1 "^$1 expect " "$own" 2>/dev/null) && tokenize "$line" &&
            bytes "${tokens[2]}" "$tmp/want.out" && return
    done
    return 1
}

reader() {
    local row=("${tokens[@]}") prog left_out=" "
    if [ "${row[2]}" = as ] && [ "${row[4]-except}" = except ]; then
        left_out+="${row[*]:5} "
    elif [ "${row[2]}" != fails ] || [ ${#row[@]} -ne 4 ]; then
        failed "$where" "expected as or fails"
        return
    fi
    for prog in "${readers[@]}"; do
        [[ $left_out == *" $prog "* ]] && continue
        where="$file:$lineno ($prog): $text"
        if [ ! -x "$bindir/$prog" ]; then
            failed "$where" "no program $prog in $bindir"
        elif [ "${row[2]}" = as ]; then
            run "$prog" "${row[3]}" want && run "$prog" "${row[1]}" got && compare want got
        elif ! prompt "$prog"; then
            failed "$where" "no dialogue in $prog's own cases to take its prompt from"
        else
            bytes "${row[3]}" "$tmp/reason"
            printf '%s: read error: %s\n' "$prog" "$(cat "$tmp/reason")" >"$tmp/want.err"
            echo 1 >"$tmp/want.status"
            run "$prog" "${row[1]}" got && compare want got
        fi
    done
}

dialogue() {
    local prog=$1 i step got want status in out pid
    rm -f "$tmp/to" "$tmp/from"
    mkfifo "$tmp/to" "$tmp/from"
    timeout "$limit" "$bindir/$prog" <"$tmp/to" >"$tmp/from" 2>"$tmp/err" &
    pid=$!
    # Opened in the order the program opens them, so neither side blocks.
    exec {in}>"$tmp/to" {out}<"$tmp/from"
    for ((i = 1; i < ${#tokens[@]}; i += 2)); do
        step=${tokens[i]}
        bytes "${tokens[i + 1]}" "$tmp/step"
        if [ "$step" = send ]; then
            cat "$tmp/step" >&"$in"
        elif [ "$step" = expect ]; then
            want=$(cat "$tmp/step"; printf x)
            want=${want%x}
            got=
            IFS= read -r -N "${#want}" -t "$wait_for" -u "$out" got
            if [ "$got" != "$want" ]; then
                printf %s "$got" >"$tmp/got"
                failed "$where" "step $(((i + 1) / 2)): expected $(show "$tmp/step")" \
                       "got $(show "$tmp/got") (nothing more within ${wait_for}s)"
                break
            fi
        else
            failed "$where" "unknown step $step"
            break
        fi
    done
    if [ "$i" -lt ${#tokens[@]} ]; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        exec {in}>&- {out}<&-
        return
    fi
    exec {in}>&-
    got=
    IFS= read -r -N 4096 -t "$wait_for" -u "$out" got
    exec {out}<&-
    wait "$pid"
    status=$?
    if [ -n "$got" ]; then
        printf %s "$got" >"$tmp/got"
        failed "$where" "more output after the last step: $(show "$tmp/got")"
    elif [ "$status" -ne 0 ] || [ -s "$tmp/err" ]; then
        failed "$where" "exit status $status" "$(head -c 2000 "$tmp/err")"
    else
        passed
    fi
}

for file in "$@"; do
    lineno=0
    while IFS= read -r text || [ -n "$text" ]; do
        lineno=$((lineno + 1))
        where="$file:$lineno: $text"
        [[ $text =~ ^[[:space:]]*(#|$) ]] && continue
        if ! tokenize "$text" || [ ${#tokens[@]} -lt 3 ]; then
            failed "$where" "cannot read this case"
        elif [ "${tokens[0]}" = reader ]; then
            reader
        elif [ ! -x "$bindir/${tokens[0]}" ]; then
            failed "$where" "no program ${tokens[0]} in $bindir"
        elif [ "${tokens[1]}" = expect ]; then
            dialogue "${tokens[0]}"
        else
            transcript
        fi
    done <"$file"
done
finish
