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

range_reply expect "Enter a number: " send "-3\n" expect "anday walla burger"
