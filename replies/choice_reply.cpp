// choice_reply: asks for a number from 1 to 5 and answers with canned
// texts; only 1 and 2 have replies of their own.

#include <err.h>

#include <cstdio>
#include <iostream>

int main()
{
    int n = 0; // end of input answers as for 0

    if (std::cout << "Enter any number from 1 to 5 : " << std::flush)
        std::cin >> n; // not after a failed prompt: errno is its reason
    if (std::ferror(stdin)) // the stream takes a failed read for end of input
        err(1, "read error");

    // The replies are the program's own texts, odd spaces and "Its" included.
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

    if (!std::cout.flush())
        err(1, "write error");
    return 0;
}
