/* Preloaded into Wine's loader, grows the heap over the page at 0x7ffe0000,
 * where Wine maps its shared user data, as the kernel may place a heap on its
 * own at random. Only in the loader's second round (after it has re-executed
 * itself, through its preloader when there is one), which is where that page is
 * mapped. Says on stderr whether the heap now covers the page. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#define SHARED_USER_DATA 0x7ffe0000UL
#define PAGE_BYTES 0x1000UL

__attribute__((constructor)) static void GrowHeapOverSharedUserData(void) {
    if (getenv("WINELOADERNOEXEC") == NULL) {
        return;
    }
    uintptr_t end = (uintptr_t)sbrk(0);
    if (end > SHARED_USER_DATA) {
        fprintf(stderr, "heap-over-shared-page: the heap starts past the page\n");
    } else if (sbrk((intptr_t)(SHARED_USER_DATA + PAGE_BYTES - end)) == (void*)-1) {
        fprintf(stderr, "heap-over-shared-page: growth refused\n");
    } else {
        fprintf(stderr, "heap-over-shared-page: the heap covers the page\n");
    }
}
