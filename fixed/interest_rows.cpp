// interest_rows: prints what 100000 grows to in ten years of yearly
// compounding, for each rate from 6 % to 12 %. Reads nothing.

#include <err.h>

#include <iostream>

int main()
{
    const double principal = 100000.0;
    const int years = 10;
    const double highestRate = 0.12;
    const double rateStep = 0.01;
    const double percentageFactor = 100.0;

    // The rate is accumulated by addition and so lies just below each
    // hundredth; the seventh (0.11999999999999997) still passes the test.
    double rate = 0.06;
    while (rate <= highestRate) {
        double amount = principal;
        for (int year = 0; year < years; ++year)
            amount = (rate * amount) + amount;
        // "avaliable" is the table's own spelling: do not correct it.
        std::cout << "The yearly amount avaliable at " << rate * percentageFactor
                  << "% is " << amount << '\n';
        rate = rateStep + rate;
    }

    if (!std::cout.flush())
        err(1, "write error");
    return 0;
}
