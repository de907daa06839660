// GoogleTest entry of every Windows test program: refuses to run when the ANSI
// code page is not 1252, since byte-level expectations depend on it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace {
constexpr UINT EXPECTED_ANSI_CODE_PAGE = 1252;
}

int main(int argc, char** argv) {
    if (GetACP() != EXPECTED_ANSI_CODE_PAGE) {
        std::fprintf(stderr, "ANSI code page is %u, not %u\n", GetACP(), EXPECTED_ANSI_CODE_PAGE);
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
