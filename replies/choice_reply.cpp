// choice_reply: asks for a number from 1 to 5 and answers with canned
// texts; only 1 and 2 have replies of their own.

#include <iostream>

int main()
{
    int n = 0; // end of input answers as for 0

    std::cout << "Enter any number from 1 to 5 : ";
    std::cin >> n;

    switch (n) {
    case 1:
        std::cout << " Value of A : " << n << '\n' << " Its a rainy day\n";
        break;
    case 2:
        std::cout << " Value of B : " << n << '\n'
                  << " Its a sad day moye moye\n";
        break;
    default:
        std::cout << " Murghi may daal ha \n";
        break;
    }

    if (!std::cout.flush()) {
        std::cerr << "choice_reply: write error\n";
        return 1;
    }
    return 0;
}
