// fact_calc: reads a count and prints its factorial, when that exists
// and fits in a 32-bit signed integer (0 to 12); otherwise says why not.

#include <err.h>

#include <cstdio>
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

    if (std::cout << "Enter a number : " << std::flush)
        std::cin >> count; // not after a failed prompt: errno is its reason
    if (std::ferror(stdin)) // the stream takes a failed read for end of input
        err(1, "read error");

    if (count < 0)
        std::cout << "The factorial of a negative number is not defined\n";
    else if (count > 12) // 13! is past the 32-bit range
        std::cout << "The factorial is too large for a 32-bit integer\n";
    else // the label is the program's own, odd as it is: callers match on it
        std::cout << "Reversed Digit : " << factorial(count) << '\n';

    if (!std::cout.flush())
        err(1, "write error");
    return 0;
}
