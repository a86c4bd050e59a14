#!/usr/bin/env bash
# readme.sh README BINDIR: the example sessions in README (```console
# blocks) are what the programs write. A line "$ COMMAND" is run with the
# programs first on PATH; the lines after it, up to the next command or the
# end of the block, are its exact output. Output that ends without a
# newline is shown, and compared, with one added.
. "$(dirname "$0")/lib.sh"
readme=$1
export PATH="$(cd "$2" && pwd):$PATH"

check() {
    [ -n "$command" ] || return 0
    bash -c "$command" >"$tmp/out" 2>&1 </dev/null
    [ -s "$tmp/out" ] && [ "$(tail -c 1 "$tmp/out" | od -An -c | tr -d ' ')" != '\n' ] &&
        echo >>"$tmp/out"
    if cmp -s "$tmp/want" "$tmp/out"; then
        passed
    else
        failed "$readme:$at: \$ $command" "$(diff "$tmp/want" "$tmp/out")"
    fi
    command=
}

inside=0
command=
lineno=0
while IFS= read -r line; do
    lineno=$((lineno + 1))
    if [ "$inside" -eq 0 ]; then
        [ "$line" = '```console' ] && inside=1
        continue
    fi
    if [ "$line" = '```' ]; then
        check
        inside=0
    elif [[ $line == '$ '* ]]; then
        check
        command=${line#'$ '}
        at=$lineno
        : >"$tmp/want"
    else
        printf '%s\n' "$line" >>"$tmp/want"
    fi
done <"$readme"
finish
