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

fact_calc expect "Enter a number : " send "5\n" expect "Reversed Digit : 120\n"
