// parity_list: reads a limit and prints every even number from 0 up to
// and including it, one per line. A negative limit prints nothing.

#include <err.h>

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdio>
#include <iostream>
#include <system_error>

// A single function by design, most of it the block writer.
int main() // NOLINT(readability-function-cognitive-complexity)
{
    // Unbuffered, so that each block below goes out in one write of its
    // own, not copied through stdio's buffer; the prompt is one write too.
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    int limit = 0; // end of input answers as for 0

    // A prompt that cannot be written skips the read, which could change
    // errno, the reason of that write.
    if (std::cout << "Enter your number limit : ")
        std::cin >> limit;
    // stdio tells a failed read from the end of input; the stream cannot.
    if (std::ferror(stdin))
        err(1, "read error");

    // The list runs to 11 GB, so it is not formatted line by line. It goes
    // out in blocks of span numbers: those of one block share every digit
    // but the low ones, and those, for the span / 2 even numbers, are the
    // same in every block. So where the numbers keep their width, a block
    // is the one before it with its high digits patched: only the digits
    // that changed, in every line, mostly one byte a line. Where the width
    // grows (at 0, and at each power of ten from span on) the block is
    // formatted afresh. The last block goes out only as far as the limit,
    // and the next start is taken only below the limit, so nothing passes
    // the 32-bit range. A block goes out in one write: of the spans timed
    // side by side on two machines whose pipes favour opposite sizes
    // (bench/run), 10^4 (at most 55 KB a block) was never far behind the
    // best.
    constexpr int span = 10000;
    constexpr std::size_t lowDigits = [] { // span's zeros
        std::size_t zeros = 0;
        int rest = span;
        for (; rest % 10 == 0; rest /= 10)
            ++zeros;
        return rest == 1 ? zeros : 0;
    }();
    static_assert(lowDigits > 0, "the patching needs a power of ten");
    constexpr std::size_t blockLines = span / 2;
    // Ten digits and '\n' a line; static, as the stack may be smaller.
    static std::array<char, blockLines * 11> block;
    std::array<char, 8> high{}; // the digits above the low ones
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
        // Stop at the last block, or at once when output has failed.
        std::cout.write(block.data(), static_cast<std::streamsize>(used));
        if (!std::cout || last)
            break;
    }

    if (!std::cout.flush())
        err(1, "write error");
    return 0;
}
