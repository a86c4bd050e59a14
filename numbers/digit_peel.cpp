// digit_peel: reads a number and prints its hundreds part, tens digit and
// units digit, one per line. Nothing checks that it has three digits;
// division truncates toward zero, so a negative number gives negative parts.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

int main()
{
    int n = 0; // end of input answers as for 0

    // Out before the read, which would flush it too, so that a prompt that
    // cannot be written ends the dialogue with the reason of that write.
    if (std::cout << "Enter a three digit number : " << std::flush)
        std::cin >> n;
    // The stream takes a failed read for the end of input; stdio tells
    // the two apart.
    if (std::ferror(stdin)) {
        const int error = errno;
        std::cerr << "digit_peel: read error: " << std::strerror(error) << '\n';
        return 1;
    }

    std::cout << n / 100 << '\n' << (n / 10) % 10 << '\n' << n % 10 << '\n';

    if (!std::cout.flush()) {
        const int error = errno; // the failed write's, before anything else
        std::cerr << "digit_peel: write error: " << std::strerror(error) << '\n';
        return 1;
    }
    return 0;
}
