// fact_calc: reads a count and prints its factorial, when that exists
// and fits in a 32-bit signed integer (0 to 12); otherwise says why not.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

// Only called for 0 to 12, where the product cannot overflow.
static int factorial(int count)
{
    int product = 1;
    for (int factor = 1; factor <= count; ++factor)
        product *= factor;
    return product;
}

int main()
{
    int count = 0; // end of input answers as for 0

    // Out before the read, which would flush it too, so that a prompt that
    // cannot be written ends the dialogue with the reason of that write.
    if (std::cout << "Enter a number : " << std::flush)
        std::cin >> count;
    // The stream takes a failed read for the end of input; stdio tells
    // the two apart.
    if (std::ferror(stdin)) {
        const int error = errno;
        std::cerr << "fact_calc: read error: " << std::strerror(error) << '\n';
        return 1;
    }

    if (count < 0)
        std::cout << "The factorial of a negative number is not defined\n";
    else if (count > 12) // 13! is past the 32-bit range
        std::cout << "The factorial is too large for a 32-bit integer\n";
    else // the label is the program's own, odd as it is: callers match on it
        std::cout << "Reversed Digit : " << factorial(count) << '\n';

    if (!std::cout.flush()) {
        const int error = errno; // the failed write's, before anything else
        std::cerr << "fact_calc: write error: " << std::strerror(error) << '\n';
        return 1;
    }
    return 0;
}
