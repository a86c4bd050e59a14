# Even numbers from 0, the limit included; odd numbers pass silently.
parity_list "10\n" -> "Enter your number limit : 0\n2\n4\n6\n8\n10\n"
parity_list "9\n" -> "Enter your number limit : 0\n2\n4\n6\n8\n"
parity_list "0\n" -> "Enter your number limit : 0\n"
parity_list "1\n" -> "Enter your number limit : 0\n"

# A negative limit: the prompt and nothing else.
parity_list "-1\n" -> "Enter your number limit : "
parity_list "-2147483648\n" -> "Enter your number limit : "

# Not a number, or no input at all, reads as 0.
parity_list "ten\n" -> "Enter your number limit : 0\n"
parity_list "" -> "Enter your number limit : 0\n"

# Where the numbers gain a digit and the output fills many blocks: the
# decimal form kept in place must not drift from the counter.
parity_list "100\n" -> $(printf 'Enter your number limit : '; seq 0 2 100)
parity_list "1002\n" -> $(printf 'Enter your number limit : '; seq 0 2 1002)
parity_list "10000\n" -> $(printf 'Enter your number limit : '; seq 0 2 10000)
parity_list "100001\n" -> $(printf 'Enter your number limit : '; seq 0 2 100001)
parity_list "1000001\n" -> $(printf 'Enter your number limit : '; seq 0 2 1000001)

parity_list expect "Enter your number limit : " send "3\n" expect "0\n2\n"

# Hostile input: a sign alone or doubled, another notation, a NUL or a byte
# over 0x7f reads as 0; the digits before a point or an exponent are the
# number; 10 MB of digits after a minus is the bottom of the range.
parity_list "-\n" -> "Enter your number limit : 0\n"
parity_list "--4\n" -> "Enter your number limit : 0\n"
parity_list "+4\n" -> "Enter your number limit : 0\n2\n4\n"
parity_list "0004\n" -> "Enter your number limit : 0\n2\n4\n"
parity_list "0x4\n" -> "Enter your number limit : 0\n"
parity_list "4.9\n" -> "Enter your number limit : 0\n2\n4\n"
parity_list "4e1\n" -> "Enter your number limit : 0\n2\n4\n"
parity_list "4\r\n" -> "Enter your number limit : 0\n2\n4\n"
parity_list "\x004\n" -> "Enter your number limit : 0\n"
parity_list "\xff4\n" -> "Enter your number limit : 0\n"
parity_list $(printf -- -; head -c 10000000 /dev/zero | tr '\0' 9) -> "Enter your number limit : "
parity_list "\n\n\t " -> "Enter your number limit : 0\n"

# A read that fails (standard input a directory, closed, or a terminal
# that hangs up) is no answer: the prompt stays, the reason goes to
# standard error and the status is 1.
parity_list directory -> "Enter your number limit : " exit 1 stderr "parity_list: read error: Is a directory\n"
parity_list closed -> "Enter your number limit : " exit 1 stderr "parity_list: read error: Bad file descriptor\n"
parity_list hangup -> "Enter your number limit : " exit 1 stderr "parity_list: read error: Input/output error\n"
