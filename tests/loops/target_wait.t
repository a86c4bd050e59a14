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
target_wait "5\n" -> "Enter a numnberEnter a numnber"
target_wait "abc" -> "Enter a numnberEnter a numnber"
target_wait "12" -> "Enter a numnberEnter a numnber"

# Each prompt is out before the next number is wanted.
target_wait expect "Enter a numnber" send "5\n" expect "Enter a numnber" send "7\n" expect "Enter a numnber" send "123\n" expect "123YAY\n"
