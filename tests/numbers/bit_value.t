# Digits 0 and 1 read in base two, least significant digit last.
bit_value "101\n" -> "Enter a Number : The binary form is : 5\n"
bit_value "1011\n" -> "Enter a Number : The binary form is : 11\n"
bit_value "1101\n" -> "Enter a Number : The binary form is : 13\n"
bit_value "10\n" -> "Enter a Number : The binary form is : 2\n"
bit_value "1\n" -> "Enter a Number : The binary form is : 1\n"

# Other digits count by their parity: odd as 1, even as 0.
bit_value "25\n" -> "Enter a Number : The binary form is : 1\n"
bit_value "2147483647\n" -> "Enter a Number : The binary form is : 329\n"

# Ten digits, the most there can be: weights up to 512.
bit_value "1111111111\n" -> "Enter a Number : The binary form is : 1023\n"
bit_value "1000000000\n" -> "Enter a Number : The binary form is : 512\n"

# Zero and negative numbers: the loop does not run.
bit_value "0\n" -> "Enter a Number : The binary form is : 0\n"
bit_value "-101\n" -> "Enter a Number : The binary form is : 0\n"
bit_value "-2147483648\n" -> "Enter a Number : The binary form is : 0\n"

# Not a number or no input reads as 0; out of range reads as the largest value.
bit_value "1o1\n" -> "Enter a Number : The binary form is : 1\n"
bit_value "" -> "Enter a Number : The binary form is : 0\n"
bit_value "11111111111\n" -> "Enter a Number : The binary form is : 329\n"

bit_value expect "Enter a Number : " send "1011\n" expect "The binary form is : 11\n"

# Hostile input: a sign alone or doubled, another notation, a NUL or a byte
# over 0x7f reads as 0; the digits before a point or an exponent are the
# number; 10 MB of digits is the nearest end of the range.
bit_value "-\n" -> "Enter a Number : The binary form is : 0\n"
bit_value "--101\n" -> "Enter a Number : The binary form is : 0\n"
bit_value "+101\n" -> "Enter a Number : The binary form is : 5\n"
bit_value "000101\n" -> "Enter a Number : The binary form is : 5\n"
bit_value "0x101\n" -> "Enter a Number : The binary form is : 0\n"
bit_value "10.1\n" -> "Enter a Number : The binary form is : 2\n"
bit_value "1e1\n" -> "Enter a Number : The binary form is : 1\n"
bit_value "101\r\n" -> "Enter a Number : The binary form is : 5\n"
bit_value "\x00101\n" -> "Enter a Number : The binary form is : 0\n"
bit_value "\xff101\n" -> "Enter a Number : The binary form is : 0\n"
bit_value $(head -c 10000000 /dev/zero | tr '\0' 9) -> "Enter a Number : The binary form is : 329\n"
bit_value $(printf -- -; head -c 10000000 /dev/zero | tr '\0' 9) -> "Enter a Number : The binary form is : 0\n"
bit_value "\t\n" -> "Enter a Number : The binary form is : 0\n"

# A read that fails (standard input a directory, closed, or a terminal
# that hangs up) is no answer: the prompt stays, the reason goes to
# standard error and the status is 1.
bit_value directory -> "Enter a Number : " exit 1 stderr "bit_value: read error: Is a directory\n"
bit_value closed -> "Enter a Number : " exit 1 stderr "bit_value: read error: Bad file descriptor\n"
bit_value hangup -> "Enter a Number : " exit 1 stderr "bit_value: read error: Input/output error\n"
