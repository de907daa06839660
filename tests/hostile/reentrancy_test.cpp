// The not-running box runs its own message loop inside a button's handling; the
// window keeps working underneath it.
#include "sorvane_session.h"

#include "main_window.h"

namespace {

constexpr char LATE_TEXT[] = "LATE START";

using Reentrancy = SorvaneSession;

// Two Begins with no trainer open two boxes. A trainer started while they are
// open is read by the refresh running inside them: Compare, pressed while the
// boxes are still open, shows its text. After both are dismissed the focus is
// in box 102 and Compare still gives the trainer's text, right.
TEST_F(Reentrancy, TheRefreshKeepsRunningWhileTwoNotRunningBoxesAreOpen) {
    ASSERT_TRUE(StartSorvane());
    PostClick(ID_BEGIN);
    ASSERT_TRUE(WaitBoxCount(1));
    PostClick(ID_BEGIN);
    ASSERT_TRUE(WaitBoxCount(2)) << "a second Begin while the box is open opens a second box";

    const standin::Standin trainer = StartTrainer("--text " + standin::Quoted(LATE_TEXT));
    ASSERT_NE(trainer.window, nullptr);
    ASSERT_TRUE(TypeThenCompare("late stars", LATE_TEXT));
    EXPECT_EQ(drive::CountMessageBoxes(ProcessId()), 2);

    ASSERT_TRUE(DismissNotRunningBox());
    ASSERT_TRUE(DismissNotRunningBox());
    EXPECT_EQ(drive::CountMessageBoxes(ProcessId()), 0);
    EXPECT_TRUE(WaitFocus(ID_TYPED_TEXT));
    SendClick(ID_COMPARE);
    EXPECT_EQ(Text(ID_TRANSMITTED_TEXT), LATE_TEXT);
    ExpectResultRight(8);
    EXPECT_TRUE(drive::Answers(Window()));
}

} // namespace
