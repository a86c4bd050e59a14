/* spawn RUNS PROGRAM...: start each PROGRAM in turn with posix_spawn, RUNS
 * times over, standard input and output on /dev/null, and print the
 * median wall time of a start (spawn to wait) for each. Taking turns run
 * by run spreads the machine's own drift evenly over all of them. */
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>

extern char **environ;

static double now(void)
{
    struct timespec t;

    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

static int by_value(const void *a, const void *b)
{
    double x = *(const double *)a, y = *(const double *)b;

    return (x > y) - (x < y);
}

int main(int argc, char **argv)
{
    int runs = argc > 1 ? atoi(argv[1]) : 0, programs = argc - 2;
    posix_spawn_file_actions_t files;
    double *times;

    if (runs < 1 || programs < 1) {
        fputs("usage: spawn RUNS PROGRAM...\n", stderr);
        return 2;
    }
    times = malloc(sizeof *times * (size_t)runs * (size_t)programs);
    if (times == NULL)
        return 1;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    for (int run = 0; run < runs; run++) {
        for (int p = 0; p < programs; p++) {
            char *args[] = {argv[2 + p], NULL};
            double start = now();
            pid_t pid;
            int status;

            if (posix_spawn(&pid, args[0], &files, NULL, args, environ) != 0 ||
                waitpid(pid, &status, 0) != pid) {
                perror(args[0]);
                return 1;
            }
            times[p * runs + run] = now() - start;
        }
    }
    for (int p = 0; p < programs; p++) {
        qsort(times + p * runs, (size_t)runs, sizeof *times, by_value);
        printf("%s %.1f\n", argv[2 + p], times[p * runs + runs / 2] * 1e6);
    }
    return 0;
}
