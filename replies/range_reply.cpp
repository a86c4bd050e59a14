// range_reply: reads a number and answers with one text chosen by its
// range. Only the answer for 3 and more ends with a newline.

#include <iostream>

int main()
{
    int n = 0; // end of input answers as for 0

    std::cout << "Enter a number: ";
    std::cin >> n;

    if (n > 0) {
        if (n >= 3)
            std::cout << "aaloooo\n";
        else
            std::cout << "Number is whatever";
    } else {
        if (n == 0)
            std::cout << "number is equal to zero";
        else
            std::cout << "anday walla burger";
    }

    if (!std::cout.flush()) {
        std::cerr << "range_reply: write error\n";
        return 1;
    }
    return 0;
}
