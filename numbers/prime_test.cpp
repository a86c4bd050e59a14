// prime_test: reads one integer and says whether it is prime.
// Writes the prompt, then one verdict line; exits 1 only when
// standard output cannot be written.

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

    std::cout << "Enter a number : ";
    std::cin >> number;

    if (primeChecker(number))
        std::cout << "The number is a prime number ! \n";
    else
        std::cout << "The number is not a prime number ! \n";

    if (!std::cout.flush()) {
        std::cerr << "prime_test: write error\n";
        return 1;
    }
    return 0;
}
