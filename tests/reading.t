# What every program that reads a number shares: which token reads as
# which number, and which reads fail. Each case runs for every reader, and
# compares its answer to the token with its answer to the number, byte
# for byte (tests/transcripts.sh). target_wait reads on after a number,
# so what follows the number in a token is another token to it, and it
# stops at the end of input: those cases leave it out, and
# loops/target_wait.t has its own.

# Only a plain decimal integer counts: a sign alone or doubled, a word, or
# another notation is no number and reads as 0 (not 7, nor 17 for 0x11).
reader "-\n" as "0\n"
reader "--7\n" as "0\n"
reader "+-7\n" as "0\n"
reader "abc\n" as "0\n"
reader "0x11\n" as "0\n" except target_wait

# A sign is allowed and leading zeros are no octal (011 is not 9); the
# digits before a point, an exponent or a letter are the number.
reader "+7\n" as "7\n"
reader "011\n" as "11\n"
reader "0007\n" as "7\n"
reader "3.7\n" as "3\n" except target_wait
reader "7e1\n" as "7\n" except target_wait
reader "1o1\n" as "1\n" except target_wait

# A byte that is neither white space nor a digit starts no number: a NUL,
# or a byte over 0x7f such as the first of a UTF-8 letter. The CR of a
# CR LF line end is white space.
reader "\x007\n" as "0\n"
reader "\xff7\n" as "0\n"
reader "\xc3\xa97\n" as "0\n"
reader "\x807\n" as "0\n"
reader "\xe97\n" as "0\n"
reader "7\r\n" as "7\n"

# White space, newlines included, is skipped before the number; what
# follows the number is not read, and it needs no newline of its own.
reader "  \n\t +97 5\n" as "97\n" except target_wait
reader "97" as "97\n"
reader "\n\n\t " as ""
reader " \t\r\n\n" as ""
reader "\r\n" as ""

# The end of input before any number answers as 0.
reader "" as "0\n" except target_wait

# Beyond the 32-bit range a number reads as the nearest end of it, not
# its low 32 or 64 bits, and a run of 10 MB of digits is answered at once.
# parity_list's answer to the largest number is 11 GB (parity_list.largest
# checks it), so the cases that read as that number leave it out.
reader "2147483648\n" as "2147483647\n" except parity_list
reader "4294967297\n" as "2147483647\n" except parity_list
reader "99999999999\n" as "2147483647\n" except parity_list
reader "-2147483649\n" as "-2147483648\n"
reader "-4294967297\n" as "-2147483648\n"
reader "-99999999999\n" as "-2147483648\n"
reader $(head -c 10000000 /dev/zero | tr "\0" 9; echo) as "2147483647\n" except parity_list
reader $(printf -- -; head -c 10000000 /dev/zero | tr "\0" 9; echo) as "-2147483648\n"

# A read that fails (standard input a directory, closed, or a terminal
# that hangs up) is no answer: the prompt stays, the reason goes to
# standard error and the status is 1.
reader directory fails "Is a directory"
reader closed fails "Bad file descriptor"
reader hangup fails "Input/output error"
