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

bit_value expect "Enter a Number : " send "1011\n" expect "The binary form is : 11\n"
