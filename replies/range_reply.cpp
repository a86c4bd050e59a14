// range_reply: reads a number and answers with one text chosen by its
// range. Only the answer for 3 and more ends with a newline.

#include <err.h>

#include <cstdio>
#include <iostream>

int main()
{
    int n = 0; // end of input answers as for 0

    if (std::cout << "Enter a number: " << std::flush)
        std::cin >> n; // not after a failed prompt: errno is its reason
    if (std::ferror(stdin)) // the stream takes a failed read for end of input
        err(1, "read error");

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

    if (!std::cout.flush())
        err(1, "write error");
    return 0;
}
