/* A program that imports a function Windows XP lacks, for the import check to find. */
#include <windows.h>

int main(void)
{
    return (int)(GetTickCount64() & 1u);
}
