// Every way a user ends the program gives exit code 0; messages that look like
// an ending but are not change nothing.
#include "sorvane_session.h"

#include "main_window.h"

#include <functional>
#include <utility>

namespace {

constexpr DWORD STILL_RUNNING_CHECK_MS = 700;
constexpr WORD NOT_A_CLICK = 1;
constexpr WPARAM UNKNOWN_TIMER = 7;
constexpr char MARKER[] = "MARKER";
// Alt held: bit 29 of a system key message's lParam (KF_ALTDOWN in the high word).
constexpr LPARAM ALT_DOWN = LPARAM{KF_ALTDOWN} << 16;
constexpr LPARAM ONE_PRESS = 1;

class ExitPaths : public SorvaneSession {
  protected:
    // Escape in a multi-line box is taken by the box, which closes the dialog; the
    // dialog manager turns that into the Quit command.
    void PressEscapeIn(int box) {
        ASSERT_TRUE(ClickInto(box));
        PressKey(box, VK_ESCAPE);
    }
};

TEST_F(ExitPaths, EveryWayOfEndingGivesExitCodeZero) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Quit button", [this] { PostClick(ID_QUIT); }},
        {"close command", [this] { PostMessageA(Window(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
        // Handled inside the loop's poll, leaving nothing in the queue to wake a
        // loop that would block waiting for the next message.
        {"close command sent from another process",
         [this] { drive::Send(Window(), WM_SYSCOMMAND, SC_CLOSE); }},
        {"Alt+F4", [this] { PostMessageA(Window(), WM_SYSKEYDOWN, VK_F4, ALT_DOWN | ONE_PRESS); }},
        {"Escape in the typed box", [this] { PressEscapeIn(ID_TYPED_TEXT); }},
        {"Escape in the transmitted box", [this] { PressEscapeIn(ID_TRANSMITTED_TEXT); }},
    };
    for (const auto& [name, end] : ways) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(StartSorvane());
        end();
        EXPECT_TRUE(EndsWithExitCodeZero());
    }
}

// The Quit identifier with another notification, and a timer of no one's.
TEST_F(ExitPaths, LookalikesOfAnEndingChangeNothing) {
    ASSERT_TRUE(StartSorvane());
    PostMessageA(Window(), WM_COMMAND, MAKEWPARAM(ID_QUIT, NOT_A_CLICK),
                 reinterpret_cast<LPARAM>(Control(ID_QUIT)));
    EXPECT_FALSE(WaitSorvaneExit(nullptr, STILL_RUNNING_CHECK_MS));
    SendClick(ID_ERASE);
    EXPECT_TRUE(IsWindow(Window()));

    SetText(ID_STATUS_LINE, MARKER);
    SetText(ID_TYPED_TEXT, MARKER);
    PostMessageA(Window(), WM_TIMER, UNKNOWN_TIMER, 0);
    drive::PumpFor(STILL_RUNNING_CHECK_MS);
    EXPECT_EQ(Text(ID_STATUS_LINE), MARKER);
    EXPECT_EQ(Text(ID_TYPED_TEXT), MARKER);
    EXPECT_TRUE(IsWindow(Window()));
}

} // namespace
