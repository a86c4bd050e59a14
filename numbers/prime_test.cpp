// prime_test: reads one integer and says whether it is prime.
// Writes the prompt, then one verdict line; exits 1, with the reason on
// standard error, only when standard input cannot be read or standard
// output cannot be written.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

// Trial division up to the square root. Numbers below 2 are not prime.
// The bound is d <= number / d rather than d * d <= number, so it cannot
// overflow near the top of the range.
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

    // Out before the read, which would flush it too, so that a prompt that
    // cannot be written ends the dialogue with the reason of that write.
    if (std::cout << "Enter a number : " << std::flush)
        std::cin >> number;
    // The stream takes a failed read for the end of input; stdio tells
    // the two apart.
    if (std::ferror(stdin)) {
        const int error = errno;
        std::cerr << "prime_test: read error: " << std::strerror(error) << '\n';
        return 1;
    }

    if (primeChecker(number))
        std::cout << "The number is a prime number ! \n";
    else
        std::cout << "The number is not a prime number ! \n";

    if (!std::cout.flush()) {
        const int error = errno; // the failed write's, before anything else
        std::cerr << "prime_test: write error: " << std::strerror(error) << '\n';
        return 1;
    }
    return 0;
}
