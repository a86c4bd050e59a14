#!/usr/bin/env bash
# examples.sh BINDIR FILE...: the example sessions a user reads are what
# the programs write. In a Markdown FILE they are its ```console blocks;
# in a manual page (plain or gzipped), its EXAMPLES section as groff
# renders it. A line "$ COMMAND" is run with the programs of BINDIR first
# on PATH; the lines after it, up to the next command or the end of the
# block, are its exact output. Output that ends without a newline is
# shown, and compared, with one added. A rendered page has lost the
# blanks that end a line, so the output loses them too; every other byte
# counts. A FILE without a session fails.
. "$(dirname "$0")/lib.sh"
export PATH="$(cd "$1" && pwd):$PATH"
shift

# sessions FILE: FILE's example lines, each block ended by a line "```";
# a page's are taken from the indent of its first command on.
sessions() {
    if [[ $1 == *.md ]]; then
        awk '/^```console$/ { inside = 1; next } inside { print } /^```$/ { inside = 0 }' "$1"
        return
    fi
    zcat -f "$1" | groff -man -Tascii -rcR=1 -P-cbou |
        awk '/^[^ ]/ { if (inside) exit; inside = $0 == "EXAMPLES"; next }
             inside && !indent && /^ *\$ / { indent = index($0, "$") }
             inside && indent && NF { print substr($0, indent) }
             END { print "```" }'
}

check() {
    [ -n "$command" ] || return 0
    bash -c "$command" >"$tmp/out" 2>&1 </dev/null
    [ -s "$tmp/out" ] && [ "$(tail -c 1 "$tmp/out" | od -An -c | tr -d ' ')" != '\n' ] &&
        echo >>"$tmp/out"
    [[ $file == *.md ]] || sed -i 's/[[:blank:]]*$//' "$tmp/out"
    if cmp -s "$tmp/want" "$tmp/out"; then
        passed
    else
        failed "$file: \$ $command" "$(diff "$tmp/want" "$tmp/out")"
    fi
    command=
    sessions=$((sessions + 1))
}

for file in "$@"; do
    if [ ! -f "$file" ]; then
        failed "$file: no such file"
        continue
    elif [[ $file != *.md ]] && ! command -v groff >/dev/null; then
        missing groff groff-base "the examples of ${file##*/}"
        continue
    fi
    sessions=0
    command=
    while IFS= read -r line; do
        if [ "$line" = '```' ]; then
            check
        elif [[ $line == '$ '* ]]; then
            check
            command=${line#'$ '}
            : >"$tmp/want"
        else
            printf '%s\n' "$line" >>"$tmp/want"
        fi
    done < <(sessions "$file")
    [ "$sessions" -gt 0 ] || failed "$file: no example session"
done
finish
