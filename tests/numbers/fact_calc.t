# Exact factorials from 0 to 12, behind the program's own label.
fact_calc "0\n" -> "Enter a number : Reversed Digit : 1\n"
fact_calc "1\n" -> "Enter a number : Reversed Digit : 1\n"
fact_calc "5\n" -> "Enter a number : Reversed Digit : 120\n"
fact_calc "12\n" -> "Enter a number : Reversed Digit : 479001600\n"

# Past 12 the answer does not fit: no wrapped product is printed, and the
# largest count ends at once.
fact_calc "13\n" -> "Enter a number : The factorial is too large for a 32-bit integer\n"
fact_calc "34\n" -> "Enter a number : The factorial is too large for a 32-bit integer\n"
fact_calc "2147483647\n" -> "Enter a number : The factorial is too large for a 32-bit integer\n"
fact_calc "99999999999\n" -> "Enter a number : The factorial is too large for a 32-bit integer\n"

# Negative counts have no factorial (not 1).
fact_calc "-1\n" -> "Enter a number : The factorial of a negative number is not defined\n"
fact_calc "-2147483648\n" -> "Enter a number : The factorial of a negative number is not defined\n"

# Not a number, or no input at all, reads as 0.
fact_calc "abc\n" -> "Enter a number : Reversed Digit : 1\n"
fact_calc "" -> "Enter a number : Reversed Digit : 1\n"

fact_calc expect "Enter a number : " send "5\n" expect "Reversed Digit : 120\n"

# Hostile input: a sign alone or doubled, another notation, a NUL or a byte
# over 0x7f reads as 0; the digits before a point or an exponent are the
# number; 10 MB of digits is the nearest end of the range.
fact_calc "-\n" -> "Enter a number : Reversed Digit : 1\n"
fact_calc "--5\n" -> "Enter a number : Reversed Digit : 1\n"
fact_calc "+-5\n" -> "Enter a number : Reversed Digit : 1\n"
fact_calc "005\n" -> "Enter a number : Reversed Digit : 120\n"
fact_calc "0x5\n" -> "Enter a number : Reversed Digit : 1\n"
fact_calc "5.9\n" -> "Enter a number : Reversed Digit : 120\n"
fact_calc "5e1\n" -> "Enter a number : Reversed Digit : 120\n"
fact_calc "5\r\n" -> "Enter a number : Reversed Digit : 120\n"
fact_calc "\x005\n" -> "Enter a number : Reversed Digit : 1\n"
fact_calc "\xc35\n" -> "Enter a number : Reversed Digit : 1\n"
fact_calc $(head -c 10000000 /dev/zero | tr '\0' 9) -> "Enter a number : The factorial is too large for a 32-bit integer\n"
fact_calc $(printf -- -; head -c 10000000 /dev/zero | tr '\0' 9) -> "Enter a number : The factorial of a negative number is not defined\n"
fact_calc "\n \t\n" -> "Enter a number : Reversed Digit : 1\n"

# A read that fails (standard input a directory, closed, or a terminal
# that hangs up) is no answer: the prompt stays, the reason goes to
# standard error and the status is 1.
fact_calc directory -> "Enter a number : " exit 1 stderr "fact_calc: read error: Is a directory\n"
fact_calc closed -> "Enter a number : " exit 1 stderr "fact_calc: read error: Bad file descriptor\n"
fact_calc hangup -> "Enter a number : " exit 1 stderr "fact_calc: read error: Input/output error\n"
