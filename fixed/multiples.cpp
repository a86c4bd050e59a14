// multiples: prints the first ten multiples of five, one per line.
// Reads nothing.

#include <err.h>

#include <iostream>

int main()
{
    const int multiplier = 5;

    for (int factor = 1; factor <= 10; ++factor)
        std::cout << multiplier * factor << '\n';

    if (!std::cout.flush())
        err(1, "write error");
    return 0;
}
