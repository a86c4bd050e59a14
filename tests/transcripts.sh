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
# Lines that are blank or start with # are comments; a comment before a
# group of cases names the fault the group guards against.

set -u
export LC_ALL=C

bindir=$1
shift
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

pass=0
fail=0
skip=0
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

failed() {
    fail=$((fail + 1))
    printf 'FAIL %s:%d: %s\n' "$file" "$lineno" "$text"
    [ $# -gt 0 ] && printf '  %s\n' "$@"
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

transcript() {
    local prog=$1 want_status=0 status i
    [ "${tokens[2]}" = "->" ] || { failed "expected ->"; return; }
    rm -f "$tmp/want_err"
    for ((i = 4; i < ${#tokens[@]}; i += 2)); do
        case ${tokens[i]} in
        exit) want_status=${tokens[i + 1]} ;;
        stderr) bytes "${tokens[i + 1]}" "$tmp/want_err" ;;
        *) failed "malformed case"; return ;;
        esac
    done
    bytes "${tokens[3]}" "$tmp/want"
    case ${tokens[1]} in
    directory) timeout "$limit" "$bindir/$prog" </ >"$tmp/out" 2>"$tmp/err" ;;
    closed) timeout "$limit" "$bindir/$prog" <&- >"$tmp/out" 2>"$tmp/err" ;;
    hangup)
        if ! command -v python3 >/dev/null; then
            if [ "${REQUIRE_ALL_CASES:-0}" = 1 ]; then
                failed "python3 not found (Debian package python3)"
            else
                skip=$((skip + 1))
                printf 'SKIP %s:%d: python3 not found (Debian package python3)\n' "$file" "$lineno"
            fi
            return
        fi
        hangup "$bindir/$prog" >"$tmp/out" 2>"$tmp/err" ;;
    *)
        bytes "${tokens[1]}" "$tmp/in"
        timeout "$limit" "$bindir/$prog" <"$tmp/in" >"$tmp/out" 2>"$tmp/err" ;;
    esac
    status=$?
    if ! cmp -s "$tmp/want" "$tmp/out"; then
        failed "expected: $(show "$tmp/want")" "actual:   $(show "$tmp/out")" \
               "$(cmp "$tmp/want" "$tmp/out" 2>&1 | sed 's/.*differ: /first difference: /')"
    elif [ "$status" -ne "$want_status" ]; then
        failed "exit status $status, expected $want_status" "$(head -c 2000 "$tmp/err")"
    elif [ -e "$tmp/want_err" ] && ! cmp -s "$tmp/want_err" "$tmp/err"; then
        failed "standard error: expected $(show "$tmp/want_err")" \
               "actual:   $(show "$tmp/err")"
    elif [ "$want_status" -eq 0 ] && [ -s "$tmp/err" ]; then
        failed "wrote to standard error: $(head -c 2000 "$tmp/err")"
    else
        pass=$((pass + 1))
    fi
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
                failed "step $(((i + 1) / 2)): expected $(show "$tmp/step")" \
                       "got $(show "$tmp/got") (nothing more within ${wait_for}s)"
                break
            fi
        else
            failed "unknown step $step"
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
        failed "more output after the last step: $(show "$tmp/got")"
    elif [ "$status" -ne 0 ] || [ -s "$tmp/err" ]; then
        failed "exit status $status" "$(head -c 2000 "$tmp/err")"
    else
        pass=$((pass + 1))
    fi
}

for file in "$@"; do
    lineno=0
    while IFS= read -r text || [ -n "$text" ]; do
        lineno=$((lineno + 1))
        [[ $text =~ ^[[:space:]]*(#|$) ]] && continue
        if ! tokenize "$text" || [ ${#tokens[@]} -lt 3 ]; then
            failed "cannot read this case"
        elif [ ! -x "$bindir/${tokens[0]}" ]; then
            failed "no program ${tokens[0]} in $bindir"
        elif [ "${tokens[1]}" = expect ]; then
            dialogue "${tokens[0]}"
        else
            transcript "${tokens[0]}"
        fi
    done <"$file"
done

echo "$pass passed, $fail failed, $skip skipped"
[ "$fail" -eq 0 ] && [ "$pass" -gt 0 ]
