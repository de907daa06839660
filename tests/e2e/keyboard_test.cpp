// The keyboard as a user meets it: Tab order, typed capitals, Enter in a box.
#include "sorvane_session.h"

namespace {

constexpr int TYPED_BOX = 102;
constexpr int TRANSMITTED_BOX = 101;
// From the typed box on, Tab visits these and comes back.
constexpr int TAB_CYCLE[] = {107, 104, 108, 105, 106, 2, 101, 102};

} // namespace

TEST_F(SorvaneSession, TabCyclesThroughTheControlsFromTheTypedBox) {
    ASSERT_TRUE(StartSorvane());
    ClickInto(TYPED_BOX);
    ASSERT_TRUE(WaitFocus(TYPED_BOX));
    for (int next : TAB_CYCLE) {
        PressKey(VK_TAB);
        ASSERT_TRUE(WaitFocus(next))
            << "expected focus on " << next << ", found id " << GetDlgCtrlID(Focus());
    }
    // Tab moves the focus and types nothing.
    EXPECT_EQ(Text(TYPED_BOX), "");
    EXPECT_EQ(Text(TRANSMITTED_BOX), "");
}

TEST_F(SorvaneSession, LowerCaseTypedIntoTheTypedBoxShowsCapitals) {
    ASSERT_TRUE(StartSorvane());
    ClickInto(TYPED_BOX);
    ASSERT_TRUE(WaitFocus(TYPED_BOX));
    TypeChars("cq de");
    EXPECT_TRUE(WaitText(TYPED_BOX, "CQ DE")) << Text(TYPED_BOX);
}

TEST_F(SorvaneSession, LowerCaseTypedIntoTheTransmittedBoxShowsCapitals) {
    ASSERT_TRUE(StartSorvane());
    ClickInto(TRANSMITTED_BOX);
    ASSERT_TRUE(WaitFocus(TRANSMITTED_BOX));
    TypeChars("paris");
    EXPECT_TRUE(WaitText(TRANSMITTED_BOX, "PARIS")) << Text(TRANSMITTED_BOX);
}

TEST_F(SorvaneSession, EnterStartsANewLineInEitherBox) {
    ASSERT_TRUE(StartSorvane());
    for (int box : {TYPED_BOX, TRANSMITTED_BOX}) {
        SCOPED_TRACE(box);
        ClickInto(box);
        ASSERT_TRUE(WaitFocus(box));
        // Enter arrives as the carriage-return character a key press produces: Wine
        // makes no character from a posted WM_KEYDOWN of VK_RETURN (Windows would).
        TypeChars("ab\rc");
        EXPECT_TRUE(WaitText(box, "AB\r\nC")) << Text(box);
    }
}
