// Fails the Wine desktop's set-up unless Wine runs with the ANSI code page 1252, which
// every byte-level expectation of the tests assumes.
#include <windows.h>

#include <cstdio>

namespace {
constexpr UINT EXPECTED_ANSI_CODE_PAGE = 1252;
}

int main() {
    const UINT acp = GetACP();
    std::printf("ANSI code page %u\n", acp);
    return acp == EXPECTED_ANSI_CODE_PAGE ? 0 : 1;
}
