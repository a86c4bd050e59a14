/* The floor for writing a list into a pipe: raw_writer BYTES CHUNK [PIPE]
 * writes BYTES bytes of a prefilled buffer to standard output, CHUNK bytes
 * (at most 1 MiB) a write(2), nothing formatted. With PIPE, a pipe on
 * standard output is first resized to PIPE bytes (F_SETPIPE_SZ, Linux),
 * to show what a larger pipe would give. */
#define _GNU_SOURCE
#include <fcntl.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    static char buffer[1 << 20];
    long long left = argc > 1 ? atoll(argv[1]) : 0;
    size_t chunk = argc > 2 ? (size_t)atol(argv[2]) : sizeof buffer;

    if (chunk == 0 || chunk > sizeof buffer)
        chunk = sizeof buffer;
    if (argc > 3 && fcntl(1, F_SETPIPE_SZ, atoi(argv[3])) < 0)
        return 2;
    memset(buffer, '0', sizeof buffer);
    while (left > 0) {
        size_t n = left < (long long)chunk ? (size_t)left : chunk;
        ssize_t done = write(1, buffer, n);
        if (done <= 0)
            return 1;
        left -= done;
    }
    return 0;
}
