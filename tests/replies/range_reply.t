# 3 and more: the only reply that ends with a newline.
range_reply "3\n" -> "Enter a number: aaloooo\n"
range_reply "1000\n" -> "Enter a number: aaloooo\n"
range_reply "2147483647\n" -> "Enter a number: aaloooo\n"

# The other replies end without a newline, and nothing follows them.
range_reply "2\n" -> "Enter a number: Number is whatever"
range_reply "1\n" -> "Enter a number: Number is whatever"
range_reply "0\n" -> "Enter a number: number is equal to zero"
range_reply "-1\n" -> "Enter a number: anday walla burger"
range_reply "-2147483648\n" -> "Enter a number: anday walla burger"

# Not a number, or no input at all, reads as 0.
range_reply "zero\n" -> "Enter a number: number is equal to zero"
range_reply "" -> "Enter a number: number is equal to zero"

range_reply expect "Enter a number: " send "-3\n" expect "anday walla burger"

# Hostile input: a sign alone or doubled, another notation, a NUL or a byte
# over 0x7f reads as 0; the digits before a point or an exponent are the
# number; 10 MB of digits is the nearest end of the range.
range_reply "-\n" -> "Enter a number: number is equal to zero"
range_reply "--3\n" -> "Enter a number: number is equal to zero"
range_reply "+3\n" -> "Enter a number: aaloooo\n"
range_reply "0002\n" -> "Enter a number: Number is whatever"
range_reply "0x3\n" -> "Enter a number: number is equal to zero"
range_reply "2.9\n" -> "Enter a number: Number is whatever"
range_reply "1e9\n" -> "Enter a number: Number is whatever"
range_reply "3\r\n" -> "Enter a number: aaloooo\n"
range_reply "\x003\n" -> "Enter a number: number is equal to zero"
range_reply "\xff3\n" -> "Enter a number: number is equal to zero"
range_reply $(head -c 10000000 /dev/zero | tr '\0' 9) -> "Enter a number: aaloooo\n"
range_reply $(printf -- -; head -c 10000000 /dev/zero | tr '\0' 9) -> "Enter a number: anday walla burger"
range_reply "\r\n" -> "Enter a number: number is equal to zero"

# A read that fails (standard input a directory, closed, or a terminal
# that hangs up) is no answer: the prompt stays, the reason goes to
# standard error and the status is 1.
range_reply directory -> "Enter a number: " exit 1 stderr "range_reply: read error: Is a directory\n"
range_reply closed -> "Enter a number: " exit 1 stderr "range_reply: read error: Bad file descriptor\n"
range_reply hangup -> "Enter a number: " exit 1 stderr "range_reply: read error: Input/output error\n"
