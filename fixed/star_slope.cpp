// star_slope: prints a downward-pointing triangle of stars, six rows, each
// shifted one column right and one star shorter. Reads nothing.

#include <err.h>

#include <iostream>

static void trianglePattern()
{
    const int rowLimit = 5;

    for (int row = 0; row <= rowLimit; ++row) {
        for (int space = 0; space < row + 1; ++space)
            std::cout << " ";
        for (int star = 0; star < rowLimit - row + 1; ++star)
            std::cout << "* ";
        std::cout << '\n';
    }
}

int main()
{
    trianglePattern();

    if (!std::cout.flush())
        err(1, "write error");
    return 0;
}
