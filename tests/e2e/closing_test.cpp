// However the window is closed, the program ends with exit code 0.
#include "sorvane_session.h"

namespace {
constexpr DWORD EXPECTED_EXIT_CODE = 0;
constexpr DWORD NOT_EXITED = 0xDEAD;
// Alt held: bit 29 of a system key message's lParam (KF_ALTDOWN in the high word).
constexpr LPARAM ALT_DOWN = LPARAM{KF_ALTDOWN} << 16;
} // namespace

TEST_F(SorvaneSession, CloseCommandEndsWithExitCodeZero) {
    ASSERT_TRUE(StartSorvane());
    PostMessageA(Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD exitCode = NOT_EXITED;
    ASSERT_TRUE(WaitSorvaneExit(&exitCode));
    EXPECT_EQ(exitCode, EXPECTED_EXIT_CODE);
}

TEST_F(SorvaneSession, AltF4EndsWithExitCodeZero) {
    ASSERT_TRUE(StartSorvane());
    PostMessageA(Window(), WM_SYSKEYDOWN, VK_F4, ALT_DOWN | 1);
    DWORD exitCode = NOT_EXITED;
    ASSERT_TRUE(WaitSorvaneExit(&exitCode));
    EXPECT_EQ(exitCode, EXPECTED_EXIT_CODE);
}
