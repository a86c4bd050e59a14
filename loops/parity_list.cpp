// parity_list: reads a limit and prints every even number from 0 up to
// and including it, one per line. A negative limit prints nothing.

#include <array>
#include <cstddef>
#include <cstring>
#include <iostream>

int main()
{
    int limit = 0; // end of input answers as for 0

    std::cout << "Enter your number limit : ";
    std::cin >> limit;

    // The list can run to 11 GB, so lines are built in a local block and
    // written in large pieces, and the counter's decimal form is kept
    // beside it and stepped in place instead of being formatted anew.
    // The last digit is kept apart because it changes at every step: the
    // rest, in front[first..15] with zeros before it for a carry to run
    // into, changes only every tenth step. That rest is copied as one fixed
    // 16-byte piece, hence the spare bytes after it and after the block.
    std::array<char, 32> front{"0000000000000000"};
    std::size_t first = 16;
    char last = '0';
    const std::size_t blockSize = std::size_t{1} << 16;
    std::array<char, blockSize + 32> block;
    std::size_t used = 0;

    // Every integer is visited and tested; the test before the increment
    // keeps the counter from overflowing at the largest limit.
    for (int counter = 0; counter <= limit; ++counter) {
        if (counter % 2 == 0) {
            // Bytes, not a string: no terminator is wanted.
            // NOLINTNEXTLINE(bugprone-not-null-terminated-result)
            std::memcpy(block.data() + used, front.data() + first, 16);
            used += 16 - first;
            block[used++] = last;
            block[used++] = '\n';
            if (used > blockSize) {
                if (!std::cout.write(block.data(), static_cast<std::streamsize>(used)))
                    break; // output has failed: stop at once
                used = 0;
            }
        }
        if (counter == limit)
            break;
        if (last != '9') {
            ++last;
            continue;
        }
        last = '0';
        std::size_t digit = 15;
        while (front[digit] == '9')
            front[digit--] = '0';
        ++front[digit];
        if (digit < first)
            first = digit;
    }
    std::cout.write(block.data(), static_cast<std::streamsize>(used));

    if (!std::cout.flush()) {
        std::cerr << "parity_list: write error\n";
        return 1;
    }
    return 0;
}
