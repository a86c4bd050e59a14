# Even numbers from 0, the limit included; odd numbers pass silently.
parity_list "10\n" -> "Enter your number limit : 0\n2\n4\n6\n8\n10\n"
parity_list "9\n" -> "Enter your number limit : 0\n2\n4\n6\n8\n"
parity_list "0\n" -> "Enter your number limit : 0\n"
parity_list "1\n" -> "Enter your number limit : 0\n"

# A negative limit: the prompt and nothing else.
parity_list "-1\n" -> "Enter your number limit : "
parity_list "-2147483648\n" -> "Enter your number limit : "

# Where the numbers gain a digit and the output fills many blocks: the
# decimal form kept in place must not drift from the counter.
parity_list "100\n" -> $(printf 'Enter your number limit : '; seq 0 2 100)
parity_list "1002\n" -> $(printf 'Enter your number limit : '; seq 0 2 1002)
parity_list "10000\n" -> $(printf 'Enter your number limit : '; seq 0 2 10000)
parity_list "100001\n" -> $(printf 'Enter your number limit : '; seq 0 2 100001)
parity_list "1000001\n" -> $(printf 'Enter your number limit : '; seq 0 2 1000001)

parity_list expect "Enter your number limit : " send "3\n" expect "0\n2\n"
