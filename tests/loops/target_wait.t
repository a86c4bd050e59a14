# The target at once: one prompt, then the number and YAY with no space.
target_wait "123\n" -> "Enter a numnber123YAY\n"

# Other numbers bring the prompt again; prompts run together in captured
# output. Several numbers on one line are read one per prompt.
target_wait "5\n7\n123\n" -> "Enter a numnberEnter a numnberEnter a numnber123YAY\n"
target_wait "5 7 123\n" -> "Enter a numnberEnter a numnberEnter a numnber123YAY\n"
target_wait "0 -123 1230 123\n" -> "Enter a numnberEnter a numnberEnter a numnberEnter a numnber123YAY\n"

# The number is printed, not the token typed.
target_wait "0123\n" -> "Enter a numnber123YAY\n"
target_wait "+123\n" -> "Enter a numnber123YAY\n"

# Input after 123 is not read.
target_wait "123 abc 5\n" -> "Enter a numnber123YAY\n"

# A token that cannot be read is skipped, just that token, and the prompt
# comes again: a stuck stream would ask forever.
target_wait "abc 123\n" -> "Enter a numnberEnter a numnber123YAY\n"
target_wait "99999999999\n123\n" -> "Enter a numnberEnter a numnber123YAY\n"
target_wait "-99999999999 123\n" -> "Enter a numnberEnter a numnber123YAY\n"
target_wait "12x 123\n" -> "Enter a numnberEnter a numnberEnter a numnber123YAY\n"

# End of input without 123: stop asking, no YAY, status 0.
target_wait "" -> "Enter a numnber"
# ... also when the last number read is a near miss, above or below: only
# 123 itself is the target.
target_wait "124" -> "Enter a numnberEnter a numnber"
target_wait "122\n" -> "Enter a numnberEnter a numnber"
target_wait "5 124 2147483647\n" -> "Enter a numnberEnter a numnberEnter a numnberEnter a numnber"
target_wait "5\n" -> "Enter a numnberEnter a numnber"
target_wait "abc" -> "Enter a numnberEnter a numnber"
target_wait "12" -> "Enter a numnberEnter a numnber"

# Each prompt is out before the next number is wanted.
target_wait expect "Enter a numnber" send "5\n" expect "Enter a numnber" send "7\n" expect "Enter a numnber" send "123\n" expect "123YAY\n"

# Hostile input: whatever cannot be read is skipped a token at a time, on
# its own line or between numbers, and the prompt comes again; 123 in
# another spelling still hits; nothing makes it ask forever or stop early.
target_wait "-\n123\n" -> "Enter a numnberEnter a numnber123YAY\n"
target_wait "--123 123\n" -> "Enter a numnberEnter a numnber123YAY\n"
target_wait "000123\n" -> "Enter a numnber123YAY\n"
target_wait "0x7b 123\n" -> "Enter a numnberEnter a numnberEnter a numnber123YAY\n"
target_wait "123.0\n" -> "Enter a numnber123YAY\n"
target_wait "12.3 123\n" -> "Enter a numnberEnter a numnberEnter a numnber123YAY\n"
target_wait "1.23e2\n" -> "Enter a numnberEnter a numnberEnter a numnber"
target_wait "123\r\n" -> "Enter a numnber123YAY\n"
target_wait "\x00 123\n" -> "Enter a numnberEnter a numnber123YAY\n"
target_wait "\xff\xfe 123\n" -> "Enter a numnberEnter a numnber123YAY\n"
target_wait "abc\n5\nx y z\n123\n" -> "Enter a numnberEnter a numnberEnter a numnberEnter a numnberEnter a numnberEnter a numnber123YAY\n"
target_wait $(head -c 10000000 /dev/zero | tr '\0' 9; printf '\n123\n') -> "Enter a numnberEnter a numnber123YAY\n"
target_wait $(yes 5 | head -n 200000; echo 123) -> $(yes 'Enter a numnber' | head -n 200001 | tr -d '\n'; echo 123YAY)
target_wait " \n\t\r\n" -> "Enter a numnber"
target_wait "5 6 7" -> "Enter a numnberEnter a numnberEnter a numnberEnter a numnber"
