// choice_reply: asks for a number from 1 to 5 and answers with canned
// texts; only 1 and 2 have replies of their own.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

int main()
{
    int n = 0; // end of input answers as for 0

    // Out before the read, which would flush it too, so that a prompt that
    // cannot be written ends the dialogue with the reason of that write.
    if (std::cout << "Enter any number from 1 to 5 : " << std::flush)
        std::cin >> n;
    // The stream takes a failed read for the end of input; stdio tells
    // the two apart.
    if (std::ferror(stdin)) {
        const int error = errno;
        std::cerr << "choice_reply: read error: " << std::strerror(error) << '\n';
        return 1;
    }

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

    if (!std::cout.flush()) {
        const int error = errno; // the failed write's, before anything else
        std::cerr << "choice_reply: write error: " << std::strerror(error) << '\n';
        return 1;
    }
    return 0;
}
