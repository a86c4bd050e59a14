// range_reply: reads a number and answers with one text chosen by its
// range. Only the answer for 3 and more ends with a newline.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

int main()
{
    int n = 0; // end of input answers as for 0

    // Out before the read, which would flush it too, so that a prompt that
    // cannot be written ends the dialogue with the reason of that write.
    if (std::cout << "Enter a number: " << std::flush)
        std::cin >> n;
    // The stream takes a failed read for the end of input; stdio tells
    // the two apart.
    if (std::ferror(stdin)) {
        const int error = errno;
        std::cerr << "range_reply: read error: " << std::strerror(error) << '\n';
        return 1;
    }

    // The texts are the program's own; only the first ends with a newline.
    if (n > 0) {
        if (n >= 3)
            std::cout << "aaloooo\n";
        else
            std::cout << "Number is whatever";
    } else {
        if (n == 0)
            std::cout << "number is equal to zero";
        else
            std::cout << "anday walla burger";
    }

    if (!std::cout.flush()) {
        const int error = errno; // the failed write's, before anything else
        std::cerr << "range_reply: write error: " << std::strerror(error) << '\n';
        return 1;
    }
    return 0;
}
