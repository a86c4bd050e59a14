# The table of five and nothing else.
multiples "" -> "5\n10\n15\n20\n25\n30\n35\n40\n45\n50\n"
