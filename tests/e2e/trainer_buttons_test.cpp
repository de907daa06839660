// Begin, Stop and Erase beside the stand-in trainer, and the not-running box.
#include "trainer_session.h"

#include "main_window.h"

namespace {

// The static control of a message box that holds its text.
constexpr int MESSAGE_BOX_TEXT_ID = 0xFFFF;

TEST_F(SorvaneWithTrainer, BeginEmptiesTheControlsStartsTheTrainerOnceAndFocusesTheTypedBox) {
    const standin::Standin trainer = StartTrainer("--text VVV");
    ASSERT_NE(trainer.frame, nullptr);
    ASSERT_TRUE(StartSorvane());
    SetText(ID_TYPED_TEXT, "VV");
    ASSERT_TRUE(CompareUntilShown("VVV"));
    ClickInto(ID_TRANSMITTED_TEXT);
    ASSERT_TRUE(WaitFocus(ID_TRANSMITTED_TEXT));

    SendClick(ID_BEGIN);
    EXPECT_EQ(Text(ID_TRANSMITTED_TEXT), "");
    EXPECT_EQ(Text(ID_TYPED_TEXT), "");
    EXPECT_EQ(Text(ID_STATUS_LINE), "");
    EXPECT_TRUE(WaitFocus(ID_TYPED_TEXT));
    const standin::MessageCounts counts = standin::QueryCounts(trainer.frame);
    EXPECT_EQ(counts.starts, 1);
    EXPECT_EQ(counts.stops, 0);
}

TEST_F(SorvaneWithTrainer, StopSendsExactlyOneStopMessage) {
    const standin::Standin trainer = StartTrainer();
    ASSERT_NE(trainer.frame, nullptr);
    ASSERT_TRUE(StartSorvane());
    SendClick(ID_STOP);
    const standin::MessageCounts counts = standin::QueryCounts(trainer.frame);
    EXPECT_EQ(counts.starts, 0);
    EXPECT_EQ(counts.stops, 1);
    EXPECT_EQ(drive::FindMessageBox(ProcessId()), nullptr);
}

TEST_F(SorvaneWithTrainer, BeginWithoutTheTrainerShowsTheBoxSendsNothingThenFocusesTheTypedBox) {
    const standin::Standin lookalike = StartLookalike();
    ASSERT_NE(lookalike.frame, nullptr);
    ASSERT_TRUE(StartSorvane());
    SetText(ID_TYPED_TEXT, "TYPED");
    SetText(ID_STATUS_LINE, "STATUS");
    ClickInto(ID_TRANSMITTED_TEXT);
    ASSERT_TRUE(WaitFocus(ID_TRANSMITTED_TEXT));

    PostClick(ID_BEGIN);
    HWND box = nullptr;
    ASSERT_TRUE(drive::WaitFor([&] { return (box = drive::FindMessageBox(ProcessId())); }));
    EXPECT_EQ(drive::WindowText(GetDlgItem(box, MESSAGE_BOX_TEXT_ID)),
              "Koch Method CW Trainer Is Not Running");
    EXPECT_EQ(Text(ID_TYPED_TEXT), "");
    EXPECT_EQ(Text(ID_STATUS_LINE), "");
    EXPECT_EQ(Text(ID_TRANSMITTED_TEXT), "");
    ASSERT_TRUE(drive::DismissMessageBox(box));
    EXPECT_TRUE(WaitFocus(ID_TYPED_TEXT));
    const standin::MessageCounts counts = standin::QueryCounts(lookalike.frame);
    EXPECT_EQ(counts.starts, 0);
    EXPECT_EQ(counts.stops, 0);
}

TEST_F(SorvaneWithTrainer, StopWithoutTheTrainerShowsOnlyTheBox) {
    const standin::Standin lookalike = StartLookalike();
    ASSERT_NE(lookalike.frame, nullptr);
    ASSERT_TRUE(StartSorvane());
    SetText(ID_TYPED_TEXT, "TYPED");
    PostClick(ID_STOP);
    ASSERT_TRUE(DismissNotRunningBox());
    EXPECT_EQ(Text(ID_TYPED_TEXT), "TYPED");
    const standin::MessageCounts counts = standin::QueryCounts(lookalike.frame);
    EXPECT_EQ(counts.starts, 0);
    EXPECT_EQ(counts.stops, 0);
}

TEST_F(SorvaneWithTrainer, ASecondBeginWhileTheBoxIsOpenOpensASecondBox) {
    ASSERT_TRUE(StartSorvane());
    PostClick(ID_BEGIN);
    ASSERT_TRUE(drive::WaitFor([&] { return drive::CountMessageBoxes(ProcessId()) == 1; }));
    PostClick(ID_BEGIN);
    EXPECT_TRUE(drive::WaitFor([&] { return drive::CountMessageBoxes(ProcessId()) == 2; }));
    ASSERT_TRUE(DismissNotRunningBox());
    ASSERT_TRUE(DismissNotRunningBox());
    EXPECT_EQ(drive::CountMessageBoxes(ProcessId()), 0);
    EXPECT_TRUE(WaitFocus(ID_TYPED_TEXT));
}

TEST_F(SorvaneWithTrainer, QuitWhileTheBoxIsOpenEndsCleanlyOnceTheBoxIsDismissed) {
    ASSERT_TRUE(StartSorvane());
    PostClick(ID_BEGIN);
    HWND box = nullptr;
    ASSERT_TRUE(drive::WaitFor([&] { return (box = drive::FindMessageBox(ProcessId())); }));
    PostClick(ID_QUIT);
    EXPECT_TRUE(drive::WaitFor([&] { return !IsWindow(Window()); }));
    ASSERT_TRUE(drive::DismissMessageBox(box));
    DWORD exitCode = 1;
    ASSERT_TRUE(WaitSorvaneExit(&exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST_F(SorvaneWithTrainer, EraseEmptiesBothBoxesAndTheStatusLine) {
    const standin::Standin trainer = StartTrainer("--text KKK");
    ASSERT_NE(trainer.frame, nullptr);
    ASSERT_TRUE(StartSorvane());
    SetText(ID_TYPED_TEXT, "KK");
    ASSERT_TRUE(CompareUntilShown("KKK"));
    ASSERT_NE(Text(ID_STATUS_LINE), "");
    SendClick(ID_ERASE);
    EXPECT_EQ(Text(ID_TRANSMITTED_TEXT), "");
    EXPECT_EQ(Text(ID_TYPED_TEXT), "");
    EXPECT_EQ(Text(ID_STATUS_LINE), "");
}

} // namespace
