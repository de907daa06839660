// Every way a user ends the program gives exit code 0; messages that look like
// an ending but are not change nothing.
#include "sorvane_session.h"

#include "main_window.h"

namespace {

constexpr DWORD STILL_RUNNING_CHECK_MS = 700;
constexpr WORD NOT_A_CLICK = 1;
constexpr WPARAM UNKNOWN_TIMER = 7;
constexpr char MARKER[] = "MARKER";

TEST_F(SorvaneSession, QuitButtonEndsWithExitCodeZero) {
    ASSERT_TRUE(StartSorvane());
    PostClick(ID_QUIT);
    DWORD exitCode = 1;
    ASSERT_TRUE(WaitSorvaneExit(&exitCode));
    EXPECT_EQ(exitCode, 0u);
}

// Escape in a multi-line box is taken by the box, which closes the dialog; the
// dialog manager turns that into the Quit command.
class EscapeInABox : public SorvaneSession {
  protected:
    void ExpectEscapeEndsFrom(int box) {
        ASSERT_TRUE(StartSorvane());
        ClickInto(box);
        ASSERT_TRUE(WaitFocus(box));
        PressKey(VK_ESCAPE);
        DWORD exitCode = 1;
        ASSERT_TRUE(WaitSorvaneExit(&exitCode));
        EXPECT_EQ(exitCode, 0u);
    }
};

TEST_F(EscapeInABox, TypedBoxEndsWithExitCodeZero) {
    ExpectEscapeEndsFrom(ID_TYPED_TEXT);
}

TEST_F(EscapeInABox, TransmittedBoxEndsWithExitCodeZero) {
    ExpectEscapeEndsFrom(ID_TRANSMITTED_TEXT);
}

TEST_F(SorvaneSession, QuitIdentifierWithAnotherNotificationEndsNothing) {
    ASSERT_TRUE(StartSorvane());
    PostMessageA(Window(), WM_COMMAND, MAKEWPARAM(ID_QUIT, NOT_A_CLICK),
                 reinterpret_cast<LPARAM>(Control(ID_QUIT)));
    DWORD exitCode = 0;
    EXPECT_FALSE(WaitSorvaneExit(&exitCode, STILL_RUNNING_CHECK_MS));
    SendClick(ID_ERASE);
    EXPECT_TRUE(IsWindow(Window()));
}

TEST_F(SorvaneSession, UnknownTimerChangesNothing) {
    ASSERT_TRUE(StartSorvane());
    SetText(ID_STATUS_LINE, MARKER);
    SetText(ID_TYPED_TEXT, MARKER);
    PostMessageA(Window(), WM_TIMER, UNKNOWN_TIMER, 0);
    drive::PumpFor(STILL_RUNNING_CHECK_MS);
    EXPECT_EQ(Text(ID_STATUS_LINE), MARKER);
    EXPECT_EQ(Text(ID_TYPED_TEXT), MARKER);
    EXPECT_TRUE(IsWindow(Window()));
}

} // namespace
