/* The start-up floor to measure against: a static C program doing the
 * same prompt, read and one-line answer with stdio alone. */
#include <stdio.h>

int main(void)
{
    int n = 0;

    fputs("Enter a number : ", stdout);
    fflush(stdout);
    if (scanf("%d", &n) != 1)
        n = 0;
    printf("The number is %d\n", n);
    return 0;
}
