// The keyboard as a user meets it: Tab order, typed capitals, Enter in a box.
#include "sorvane_session.h"

namespace {

constexpr int TYPED_BOX = 102;
constexpr int TRANSMITTED_BOX = 101;
// From the typed box on, Tab visits these and comes back.
constexpr int TAB_CYCLE[] = {107, 104, 108, 105, 106, 2, 101, 102};

struct Typing {
    int box;
    const char* typed;
    const char* shown;
};

// Enter arrives as the carriage-return character a key press produces: Wine makes
// no character from a posted WM_KEYDOWN of VK_RETURN (Windows would).
constexpr Typing TYPINGS[] = {
    {TYPED_BOX, "cq de\rk", "CQ DE\r\nK"},
    {TRANSMITTED_BOX, "paris\rk", "PARIS\r\nK"},
};

using Keyboard = SorvaneSession;

TEST_F(Keyboard, TabCyclesThroughTheControlsFromTheTypedBox) {
    ASSERT_TRUE(StartSorvane());
    ASSERT_TRUE(ClickInto(TYPED_BOX));
    int focused = TYPED_BOX;
    for (int next : TAB_CYCLE) {
        PressKey(focused, VK_TAB);
        ASSERT_TRUE(WaitFocus(next))
            << "expected focus on " << next << ", found id " << GetDlgCtrlID(Focus());
        focused = next;
    }
    // Tab moves the focus and types nothing.
    EXPECT_EQ(Text(TYPED_BOX), "");
    EXPECT_EQ(Text(TRANSMITTED_BOX), "");
}

TEST_F(Keyboard, EitherBoxShowsLowerCaseAsCapitalsAndEnterStartsANewLine) {
    ASSERT_TRUE(StartSorvane());
    for (const Typing& typing : TYPINGS) {
        SCOPED_TRACE(typing.box);
        ASSERT_TRUE(ClickInto(typing.box));
        TypeChars(typing.box, typing.typed);
        EXPECT_TRUE(WaitText(typing.box, typing.shown)) << Text(typing.box);
    }
}

} // namespace
