/* Preloaded into Wine's loader: grows the heap over the page at 0x7ffe0000 where
 * Wine maps its shared user data, as the kernel may place a heap at random, and
 * says whether it could. Only in the loader's second round (once it has
 * re-executed itself, through its preloader if any), where that page is mapped. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#define SHARED_USER_DATA 0x7ffe0000UL
#define PAGE_BYTES 0x1000UL

__attribute__((constructor)) static void GrowHeapOverSharedUserData(void) {
    uintptr_t end = (uintptr_t)sbrk(0);
    if (getenv("WINELOADERNOEXEC") != NULL && end <= SHARED_USER_DATA) {
        const int grew = sbrk((intptr_t)(SHARED_USER_DATA + PAGE_BYTES - end)) != (void*)-1;
        fprintf(stderr, "heap-over-shared-page: %s\n", grew ? "covers the page" : "refused");
    }
}
