// multiples: prints the first ten multiples of five, one per line.
// Reads nothing.

#include <cerrno>
#include <cstring>
#include <iostream>

int main()
{
    const int multiplier = 5;

    for (int factor = 1; factor <= 10; ++factor)
        std::cout << multiplier * factor << '\n';

    if (!std::cout.flush()) {
        const int error = errno; // the failed write's, before anything else
        std::cerr << "multiples: write error: " << std::strerror(error) << '\n';
        return 1;
    }
    return 0;
}
