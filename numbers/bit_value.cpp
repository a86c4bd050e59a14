// bit_value: reads a number and reads its decimal digits as bits, from the
// last digit up: an odd digit is a 1, an even digit a 0. Prints the value.
// At most ten digits, so the result stays below 1024.

#include <err.h>

#include <cstdio>
#include <iostream>

int main()
{
    int n = 0; // end of input answers as for 0
    int result = 0;
    int weight = 1;

    if (std::cout << "Enter a Number : " << std::flush)
        std::cin >> n; // not after a failed prompt: errno is its reason
    if (std::ferror(stdin)) // the stream takes a failed read for end of input
        err(1, "read error");

    while (n > 0) {
        int bit = n % 2; // parity of the last decimal digit
        result += bit * weight;
        n /= 10;
        weight *= 2;
    }
    std::cout << "The binary form is : " << result << '\n';

    if (!std::cout.flush())
        err(1, "write error");
    return 0;
}
