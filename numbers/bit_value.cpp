// bit_value: reads a number and reads its decimal digits as bits, from the
// last digit up: an odd digit is a 1, an even digit a 0. Prints the value.
// At most ten digits, so the result stays below 1024.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

int main()
{
    int n = 0; // end of input answers as for 0
    int result = 0;
    int weight = 1;

    // Out before the read, which would flush it too, so that a prompt that
    // cannot be written ends the dialogue with the reason of that write.
    if (std::cout << "Enter a Number : " << std::flush)
        std::cin >> n;
    // The stream takes a failed read for the end of input; stdio tells
    // the two apart.
    if (std::ferror(stdin)) {
        const int error = errno;
        std::cerr << "bit_value: read error: " << std::strerror(error) << '\n';
        return 1;
    }

    while (n > 0) {
        int bit = n % 2; // parity of the last decimal digit
        result += bit * weight;
        n /= 10;
        weight *= 2;
    }
    std::cout << "The binary form is : " << result << '\n';

    if (!std::cout.flush()) {
        const int error = errno; // the failed write's, before anything else
        std::cerr << "bit_value: write error: " << std::strerror(error) << '\n';
        return 1;
    }
    return 0;
}
