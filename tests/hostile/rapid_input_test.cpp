// Clicks faster than anyone presses: posted bursts of Compare and Erase, and
// Run pressed again and again.
#include "sorvane_session.h"

#include "main_window.h"

namespace {

constexpr PracticeSpec TEXT = {1000, 9};
constexpr int COMPARES = 200;
constexpr int COMPARES_PER_ERASE = 4;
constexpr DWORD BURST_WAIT_MS = 120000;

constexpr int RUN_PRESSES = 20;
constexpr DWORD RUN_PRESS_INTERVAL_MS = 150;

using RapidInput = SorvaneSession;

TEST_F(RapidInput, ABurstOfComparesAndErasesEndsRightAndTheProgramStillAnswers) {
    const std::string text = PracticeText(TEXT);
    const standin::Standin trainer = StartWithTrainerText(text);
    ASSERT_NE(trainer.window, nullptr);
    ASSERT_TRUE(TypeThenCompare(text, text));

    for (int compare = 1; compare <= COMPARES; ++compare) {
        PostClick(ID_COMPARE);
        if (compare % COMPARES_PER_ERASE == 0) {
            PostClick(ID_ERASE);
        }
    }
    // Clicks are handled in the order posted: the notice of a Run posted last
    // shows once the whole burst has been handled.
    PostClick(ID_RUN);
    ASSERT_TRUE(WaitText(ID_STATUS_LINE, RUNNING_NOTICE, BURST_WAIT_MS));
    // The burst ended with an Erase.
    EXPECT_EQ(Text(ID_TRANSMITTED_TEXT), "");
    EXPECT_EQ(Text(ID_TYPED_TEXT), "");

    SetText(ID_TYPED_TEXT, text);
    SendClick(ID_COMPARE);
    EXPECT_EQ(Text(ID_TRANSMITTED_TEXT), text);
    ExpectResultRight(drive::NonBlankCount(text));
    EXPECT_TRUE(drive::Answers(Window()));
}

// Each press moves the clearing on: the notice stays through twenty presses
// spread over three seconds and goes two seconds after the last.
TEST_F(RapidInput, TwentyRunPressesKeepTheNoticeUntilTwoSecondsAfterTheLast) {
    const standin::Standin trainer = StartWithTrainer();
    ASSERT_NE(trainer.window, nullptr);
    DWORD lastPress = 0;
    for (int press = 0; press < RUN_PRESSES; ++press) {
        SCOPED_TRACE(press);
        if (press > 0) {
            EXPECT_EQ(Text(ID_STATUS_LINE), RUNNING_NOTICE);
        }
        // Taken before the press, as a pause of this program after it would
        // make the clearing look sooner than it was.
        lastPress = GetTickCount();
        SendClick(ID_RUN);
        EXPECT_EQ(Text(ID_STATUS_LINE), RUNNING_NOTICE);
        drive::PumpFor(RUN_PRESS_INTERVAL_MS);
    }
    // The bounds themselves, nothing added: lastPress precedes the press that
    // restarted the timer, so the pause after that press is already counted.
    ExpectNoticeClearedInTime(lastPress);
    // Run with the trainer running starts nothing.
    EXPECT_EQ(drive::CountMessageBoxes(ProcessId()), 0);
    EXPECT_TRUE(drive::Answers(Window()));
}

} // namespace
