# The two values with replies of their own: leading spaces, the number after
# ": ", and the second line.
choice_reply "1\n" -> "Enter any number from 1 to 5 :  Value of A : 1\n Its a rainy day\n"
choice_reply "2\n" -> "Enter any number from 1 to 5 :  Value of B : 2\n Its a sad day moye moye\n"

# Every other value gets the common reply, with its trailing space.
choice_reply "3\n" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"
choice_reply "4\n" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"
choice_reply "5\n" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"
choice_reply "0\n" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"
choice_reply "-1\n" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"
choice_reply "6\n" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"
choice_reply "4294967297\n" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"

# Not a number, or no input at all, reads as 0.
choice_reply "one\n" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"
choice_reply "" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"

choice_reply expect "Enter any number from 1 to 5 : " send "2\n" expect " Value of B : 2\n Its a sad day moye moye\n"

# Hostile input: a sign alone or doubled, another notation, a NUL or a byte
# over 0x7f reads as 0; the digits before a point or an exponent are the
# number; 10 MB of digits is the nearest end of the range.
choice_reply "-\n" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"
choice_reply "--1\n" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"
choice_reply "+2\n" -> "Enter any number from 1 to 5 :  Value of B : 2\n Its a sad day moye moye\n"
choice_reply "0001\n" -> "Enter any number from 1 to 5 :  Value of A : 1\n Its a rainy day\n"
choice_reply "0x2\n" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"
choice_reply "1.9\n" -> "Enter any number from 1 to 5 :  Value of A : 1\n Its a rainy day\n"
choice_reply "2e0\n" -> "Enter any number from 1 to 5 :  Value of B : 2\n Its a sad day moye moye\n"
choice_reply "1\r\n" -> "Enter any number from 1 to 5 :  Value of A : 1\n Its a rainy day\n"
choice_reply "\x001\n" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"
choice_reply "\xe91\n" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"
choice_reply $(head -c 10000000 /dev/zero | tr '\0' 1) -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"
choice_reply $(printf -- -; head -c 10000000 /dev/zero | tr '\0' 1) -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"
choice_reply " \n \n" -> "Enter any number from 1 to 5 :  Murghi may daal ha \n"

# A read that fails (standard input a directory, closed, or a terminal
# that hangs up) is no answer: the prompt stays, the reason goes to
# standard error and the status is 1.
choice_reply directory -> "Enter any number from 1 to 5 : " exit 1 stderr "choice_reply: read error: Is a directory\n"
choice_reply closed -> "Enter any number from 1 to 5 : " exit 1 stderr "choice_reply: read error: Bad file descriptor\n"
choice_reply hangup -> "Enter any number from 1 to 5 : " exit 1 stderr "choice_reply: read error: Input/output error\n"
