// digit_peel: reads a number and prints its hundreds part, tens digit and
// units digit, one per line. Nothing checks that it has three digits;
// division truncates toward zero, so a negative number gives negative parts.

#include <iostream>

int main()
{
    int n = 0; // end of input answers as for 0

    std::cout << "Enter a three digit number : ";
    std::cin >> n;

    std::cout << n / 100 << '\n' << (n / 10) % 10 << '\n' << n % 10 << '\n';

    if (!std::cout.flush()) {
        std::cerr << "digit_peel: write error\n";
        return 1;
    }
    return 0;
}
