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

digit_peel expect "Enter a three digit number : " send "456\n" expect "4\n5\n6\n"
