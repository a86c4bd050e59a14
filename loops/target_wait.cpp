// target_wait: asks for a number until it reads 123, then prints 123YAY.
// A token that is not a 32-bit integer is skipped and the prompt comes
// again; at end of input it stops without the YAY. A failed read or
// write ends it with status 1 and the reason on standard error.

#include <err.h>

#include <cctype>
#include <cstdio>
#include <iostream>

int main()
{
    int number = 0;

    // Each prompt is flushed before its read, so that a prompt that cannot
    // be written ends the loop: endless input must not keep us asking.
    // "numnber" is the prompt's own spelling: callers match on it.
    while (number != 123 && std::cout << "Enter a numnber" << std::flush) {
        if (std::cin >> number)
            continue;
        // stdio tells a failed read from the end of input; the stream
        // cannot. One that fails while a bad token is skipped below fails
        // again here, after the next prompt.
        if (std::ferror(stdin))
            err(1, "read error");
        if (std::cin.eof())
            break;
        // A failed read leaves the stream stuck; drop the rest of the bad
        // token (an overflowing number has been consumed already).
        std::cin.clear();
        while (std::cin.peek() != std::char_traits<char>::eof()
               && !std::isspace(std::cin.peek()))
            std::cin.ignore();
    }
    if (number == 123)
        std::cout << number << "YAY\n";

    if (!std::cout.flush())
        err(1, "write error");
    return 0;
}
