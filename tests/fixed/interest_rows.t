# The whole table: seven rows, 6 % to 12 %, none lost at 12 % and none
# added at 13 %, amounts to six significant digits, "avaliable" as it is.
interest_rows "" -> "The yearly amount avaliable at 6% is 179085\nThe yearly amount avaliable at 7% is 196715\nThe yearly amount avaliable at 8% is 215892\nThe yearly amount avaliable at 9% is 236736\nThe yearly amount avaliable at 10% is 259374\nThe yearly amount avaliable at 11% is 283942\nThe yearly amount avaliable at 12% is 310585\n"
