// target_wait: asks for a number until it reads 123, then prints 123YAY.
// A token that is not a 32-bit integer is skipped and the prompt comes
// again; at end of input it stops without the YAY.

#include <cctype>
#include <iostream>

int main()
{
    int number = 0;

    // Once output has failed, endless input must not keep us asking.
    while (number != 123 && std::cout) {
        std::cout << "Enter a numnber";
        if (std::cin >> number)
            continue;
        if (std::cin.eof())
            break;
        // A failed read leaves the stream stuck; drop the rest of the bad
        // token (an overflowing number has been consumed already).
        std::cin.clear();
        while (std::cin.peek() != std::char_traits<char>::eof()
               && !std::isspace(std::cin.peek()))
            std::cin.ignore();
    }
    if (number == 123)
        std::cout << number << "YAY\n";

    if (!std::cout.flush()) {
        std::cerr << "target_wait: write error\n";
        return 1;
    }
    return 0;
}
