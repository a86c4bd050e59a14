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

choice_reply expect "Enter any number from 1 to 5 : " send "2\n" expect " Value of B : 2\n Its a sad day moye moye\n"
