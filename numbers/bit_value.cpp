// bit_value: reads a number and reads its decimal digits as bits, from the
// last digit up: an odd digit is a 1, an even digit a 0. Prints the value.
// At most ten digits, so the result stays below 1024.

#include <iostream>

int main()
{
    int n = 0; // end of input answers as for 0
    int result = 0;
    int weight = 1;

    std::cout << "Enter a Number : ";
    std::cin >> n;

    while (n > 0) {
        int bit = n % 2; // parity of the last decimal digit
        result += bit * weight;
        n /= 10;
        weight *= 2;
    }
    std::cout << "The binary form is : " << result << '\n';

    if (!std::cout.flush()) {
        std::cerr << "bit_value: write error\n";
        return 1;
    }
    return 0;
}
