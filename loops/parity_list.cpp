// parity_list: reads a limit and prints every even number from 0 up to
// and including it, one per line. A negative limit prints nothing.

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <system_error>

// A single function by design, most of it the block writer.
int main() // NOLINT(readability-function-cognitive-complexity)
{
    // Unbuffered, so that each block below goes out in one write of its
    // own, not copied through stdio's buffer; the prompt is one write too.
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    int limit = 0; // end of input answers as for 0

    // A prompt that cannot be written ends the dialogue before the read,
    // which could change errno, the reason of that write.
    if (std::cout << "Enter your number limit : ")
        std::cin >> limit;
    // The stream takes a failed read for the end of input; stdio tells
    // the two apart.
    if (std::ferror(stdin)) {
        const int error = errno;
        std::cerr << "parity_list: read error: " << std::strerror(error) << '\n';
        return 1;
    }

    // The list runs to 11 GB, so it is not formatted line by line. It goes
    // out in blocks of 10^4 numbers: those of one block share every digit
    // but the last four, and those last four, for the 5000 even numbers,
    // are the same in every block. So where the numbers keep their width,
    // a block is the one before it with its high digits patched: only the
    // digits that changed, in every line, mostly one byte a line. Where the
    // width grows (at 0, 10^4, 10^5 ...) the block is formatted afresh.
    // The last block goes out only as far as the limit, and the next start
    // is taken only below the limit, so nothing passes the 32-bit range.
    // A block of at most 55 KB goes out in one write: of the sizes timed
    // side by side on two machines whose pipes favour opposite sizes
    // (bench/run), the one never far behind the best.
    const int span = 10000;
    const std::size_t blockLines = span / 2;
    const std::size_t lowDigits = 4;
    const std::size_t writeSize = blockLines * 11; // bytes a write at most
    std::array<char, blockLines * 11> block; // ten digits and '\n' a line
    std::array<char, 8> high{}; // the digits above those four
    std::size_t highDigits = 0;

    for (int start = 0; start <= limit; start += span) {
        const bool last = limit - start < span;
        const int end = last ? limit : start + span - 1;
        const int lines = ((end - start) / 2) + 1;
        std::array<char, 8> next{}; // none in the first block
        std::size_t digits = 0;
        if (start > 0)
            digits = static_cast<std::size_t>(
                std::to_chars(next.data(), next.data() + next.size(), start / span).ptr
                - next.data());
        std::size_t used = 0;
        if (start == 0 || digits != highDigits) {
            // Each number is formatted short of the block's last byte, so
            // its '\n' always fits; one that does not fit ends the block.
            char *at = block.data();
            char *const stop = block.data() + block.size() - 1;
            for (int line = 0; line < lines; ++line) {
                const auto [past, error] = std::to_chars(at, stop, start + (2 * line));
                if (error != std::errc())
                    break;
                at = past;
                *at++ = '\n';
            }
            used = static_cast<std::size_t>(at - block.data());
        } else {
            const std::size_t stride = digits + lowDigits + 1; // bytes a line
            const std::size_t full = blockLines * stride;
            for (std::size_t d = 0; d < digits; ++d)
                if (next[d] != high[d])
                    for (std::size_t at = d; at < full; at += stride)
                        block[at] = next[d];
            used = static_cast<std::size_t>(lines) * stride;
        }
        high = next;
        highDigits = digits;
        // Once a write has failed, the stream writes nothing more.
        for (std::size_t at = 0; at < used; at += writeSize)
            std::cout.write(block.data() + at,
                            static_cast<std::streamsize>(std::min(writeSize, used - at)));
        if (!std::cout)
            break; // output has failed: stop at once
        if (last)
            break;
    }

    if (!std::cout.flush()) {
        const int error = errno; // the failed write's, before anything else
        std::cerr << "parity_list: write error: " << std::strerror(error) << '\n';
        return 1;
    }
    return 0;
}
