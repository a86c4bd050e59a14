// parity_list: reads a limit and prints every even number from 0 up to
// and including it, one per line. A negative limit prints nothing.

#include <iostream>

int main()
{
    int limit = 0; // end of input answers as for 0

    std::cout << "Enter your number limit : ";
    std::cin >> limit;

    // Every integer is visited and tested. The test before the increment
    // keeps the counter from overflowing at the largest limit.
    for (int counter = 0; counter <= limit && std::cout; ++counter) {
        if (counter % 2 == 0)
            std::cout << counter << '\n';
        if (counter == limit)
            break;
    }

    if (!std::cout.flush()) {
        std::cerr << "parity_list: write error\n";
        return 1;
    }
    return 0;
}
