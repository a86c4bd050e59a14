# Three digits, one per line, no labels.
digit_peel "123\n" -> "Enter a three digit number : 1\n2\n3\n"
digit_peel "100\n" -> "Enter a three digit number : 1\n0\n0\n"
digit_peel "999\n" -> "Enter a three digit number : 9\n9\n9\n"

# Numbers of other lengths are not checked: leading zeros, or more than
# one digit in the hundreds part.
digit_peel "7\n" -> "Enter a three digit number : 0\n0\n7\n"
digit_peel "1234\n" -> "Enter a three digit number : 12\n3\n4\n"
digit_peel "2147483647\n" -> "Enter a three digit number : 21474836\n4\n7\n"

# Division truncates toward zero, so negative numbers give negative parts,
# down to the bottom of the range.
digit_peel "-123\n" -> "Enter a three digit number : -1\n-2\n-3\n"
digit_peel "-5\n" -> "Enter a three digit number : 0\n0\n-5\n"
digit_peel "-2147483648\n" -> "Enter a three digit number : -21474836\n-4\n-8\n"

# Not a number, or no input at all, reads as 0.
digit_peel "x\n" -> "Enter a three digit number : 0\n0\n0\n"
digit_peel "" -> "Enter a three digit number : 0\n0\n0\n"

digit_peel expect "Enter a three digit number : " send "456\n" expect "4\n5\n6\n"

# Hostile input: a sign alone or doubled, another notation, a NUL or a byte
# over 0x7f reads as 0; the digits before a point or an exponent are the
# number; 10 MB of digits is the nearest end of the range.
digit_peel "-\n" -> "Enter a three digit number : 0\n0\n0\n"
digit_peel "--123\n" -> "Enter a three digit number : 0\n0\n0\n"
digit_peel "+123\n" -> "Enter a three digit number : 1\n2\n3\n"
digit_peel "000123\n" -> "Enter a three digit number : 1\n2\n3\n"
digit_peel "0x123\n" -> "Enter a three digit number : 0\n0\n0\n"
digit_peel "12.9\n" -> "Enter a three digit number : 0\n1\n2\n"
digit_peel "1e3\n" -> "Enter a three digit number : 0\n0\n1\n"
digit_peel "123\r\n" -> "Enter a three digit number : 1\n2\n3\n"
digit_peel "\x00123\n" -> "Enter a three digit number : 0\n0\n0\n"
digit_peel "\x80123\n" -> "Enter a three digit number : 0\n0\n0\n"
digit_peel $(head -c 10000000 /dev/zero | tr '\0' 9) -> "Enter a three digit number : 21474836\n4\n7\n"
digit_peel $(printf -- -; head -c 10000000 /dev/zero | tr '\0' 9) -> "Enter a three digit number : -21474836\n-4\n-8\n"
digit_peel "   " -> "Enter a three digit number : 0\n0\n0\n"

# A read that fails (standard input a directory, closed, or a terminal
# that hangs up) is no answer: the prompt stays, the reason goes to
# standard error and the status is 1.
digit_peel directory -> "Enter a three digit number : " exit 1 stderr "digit_peel: read error: Is a directory\n"
digit_peel closed -> "Enter a three digit number : " exit 1 stderr "digit_peel: read error: Bad file descriptor\n"
digit_peel hangup -> "Enter a three digit number : " exit 1 stderr "digit_peel: read error: Input/output error\n"
