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

# The prompt is out before the program waits for its number.
prime_test expect "Enter a number : " send "9\n" expect "The number is not a prime number ! \n"
