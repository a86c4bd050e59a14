# Primes, up to the largest 32-bit value: a trial division whose bound
# overflows, or runs too far, shows here.
prime_test "2\n" -> "Enter a number : The number is a prime number ! \n"
prime_test "3\n" -> "Enter a number : The number is a prime number ! \n"
prime_test "5\n" -> "Enter a number : The number is a prime number ! \n"
prime_test "97\n" -> "Enter a number : The number is a prime number ! \n"
prime_test "46349\n" -> "Enter a number : The number is a prime number ! \n"
prime_test "2147483647\n" -> "Enter a number : The number is a prime number ! \n"

# Composites; squares of primes are caught only when the divisor reaches
# the root itself (a bound of d * d < n misses them).
prime_test "4\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "9\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "15\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "25\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "49\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "2147395600\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "2147483646\n" -> "Enter a number : The number is not a prime number ! \n"

# Below 2 nothing is prime, down to the bottom of the range.
prime_test "0\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "1\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "-7\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "-2147483648\n" -> "Enter a number : The number is not a prime number ! \n"

# Input that is not a plain number: a token that is not a number and end of
# input read as 0; out of range reads as the nearest end; a sign is allowed.
prime_test "abc\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "" -> "Enter a number : The number is not a prime number ! \n"
prime_test "99999999999\n" -> "Enter a number : The number is a prime number ! \n"
prime_test "-99999999999\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "  \n\t +97 5\n" -> "Enter a number : The number is a prime number ! \n"
prime_test "97" -> "Enter a number : The number is a prime number ! \n"

# The prompt is out before the program waits for its number.
prime_test expect "Enter a number : " send "9\n" expect "The number is not a prime number ! \n"

# Hostile input: only a plain decimal integer counts. A sign alone or
# doubled, another notation, a NUL or a byte over 0x7f reads as 0 (not 7 or
# 17); the digits before a point or an exponent are the number; a run of
# 10 MB of digits is the nearest end of the range, answered at once.
prime_test "-\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "--7\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "+-7\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "0007\n" -> "Enter a number : The number is a prime number ! \n"
prime_test "0x11\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "3.7\n" -> "Enter a number : The number is a prime number ! \n"
prime_test "7e1\n" -> "Enter a number : The number is a prime number ! \n"
prime_test "7\r\n" -> "Enter a number : The number is a prime number ! \n"
prime_test "\x007\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test "\xff7\n" -> "Enter a number : The number is not a prime number ! \n"
prime_test $(head -c 10000000 /dev/zero | tr '\0' 9) -> "Enter a number : The number is a prime number ! \n"
prime_test $(printf -- -; head -c 10000000 /dev/zero | tr '\0' 9) -> "Enter a number : The number is not a prime number ! \n"
prime_test " \t\r\n\n" -> "Enter a number : The number is not a prime number ! \n"

# A read that fails (standard input a directory, closed, or a terminal
# that hangs up) is no answer: the prompt stays, the reason goes to
# standard error and the status is 1.
prime_test directory -> "Enter a number : " exit 1 stderr "prime_test: read error: Is a directory\n"
prime_test closed -> "Enter a number : " exit 1 stderr "prime_test: read error: Bad file descriptor\n"
prime_test hangup -> "Enter a number : " exit 1 stderr "prime_test: read error: Input/output error\n"
