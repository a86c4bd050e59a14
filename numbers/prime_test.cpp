// prime_test: reads one integer and says whether it is prime. Writes the
// prompt, then one verdict line; a read or a write that fails ends it
// with status 1 and the reason on standard error.

#include <err.h>

#include <cstdio>
#include <iostream>

// Trial division up to the square root; nothing below 2 is prime. The
// bound is d <= number / d, not d * d <= number, which would overflow
// near the top of the range.
static bool primeChecker(int number)
{
    if (number < 2)
        return false;
    for (int d = 2; d <= number / d; ++d)
        if (number % d == 0)
            return false;
    return true;
}

int main()
{
    int number = 0; // end of input answers as for 0

    if (std::cout << "Enter a number : " << std::flush)
        std::cin >> number; // not after a failed prompt: errno is its reason
    if (std::ferror(stdin)) // the stream takes a failed read for end of input
        err(1, "read error");

    if (primeChecker(number))
        std::cout << "The number is a prime number ! \n";
    else
        std::cout << "The number is not a prime number ! \n";

    if (!std::cout.flush())
        err(1, "write error");
    return 0;
}
