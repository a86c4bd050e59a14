// digit_peel: reads a number and prints its hundreds part, tens digit and
// units digit, one per line. Nothing checks that it has three digits;
// division truncates toward zero, so a negative number gives negative parts.

#include <err.h>

#include <cstdio>
#include <iostream>

int main()
{
    int n = 0; // end of input answers as for 0

    if (std::cout << "Enter a three digit number : " << std::flush)
        std::cin >> n; // not after a failed prompt: errno is its reason
    if (std::ferror(stdin)) // the stream takes a failed read for end of input
        err(1, "read error");

    std::cout << n / 100 << '\n' << (n / 10) % 10 << '\n' << n % 10 << '\n';

    if (!std::cout.flush())
        err(1, "write error");
    return 0;
}
