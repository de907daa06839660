// Begin, Stop and Erase beside the stand-in trainer, and the not-running box.
#include "sorvane_session.h"

#include "main_window.h"

namespace {

class TrainerButtons : public SorvaneSession {
  protected:
    void ExpectBoxesAndStatusEmpty() {
        EXPECT_EQ(Text(ID_TRANSMITTED_TEXT), "");
        EXPECT_EQ(Text(ID_TYPED_TEXT), "");
        EXPECT_EQ(Text(ID_STATUS_LINE), "");
    }
};

// Begin empties the controls, starts the trainer once and focuses the typed box;
// Stop sends one stop message and nothing more; Erase empties the controls.
TEST_F(TrainerButtons, BeginStopAndEraseWithTheTrainer) {
    const standin::Standin trainer = StartWithTrainer("--text VVV");
    ASSERT_NE(trainer.window, nullptr);
    ASSERT_TRUE(TypeThenCompare("VV", "VVV"));
    ASSERT_TRUE(ClickInto(ID_TRANSMITTED_TEXT)); // Begin must move the focus from here

    SendClick(ID_BEGIN);
    ExpectBoxesAndStatusEmpty();
    EXPECT_TRUE(WaitFocus(ID_TYPED_TEXT));
    EXPECT_EQ(standin::QueryCounts(trainer.window), (standin::MessageCounts{1, 0}));
    SendClick(ID_STOP);
    EXPECT_EQ(standin::QueryCounts(trainer.window), (standin::MessageCounts{1, 1}));
    EXPECT_EQ(drive::CountMessageBoxes(ProcessId()), 0);

    ASSERT_TRUE(standin::SetStandinText(trainer.window, "VVV")); // Begin made it send
    ASSERT_TRUE(TypeThenCompare("VV", "VVV"));
    ASSERT_NE(Text(ID_STATUS_LINE), "");
    SendClick(ID_ERASE);
    ExpectBoxesAndStatusEmpty();
}

// Begin empties the controls, shows the box, sends nothing and then focuses the
// typed box; Stop shows only the box.
TEST_F(TrainerButtons, BeginAndStopWithoutTheTrainerShowTheBoxAndSendNothing) {
    const standin::Standin lookalike = StartLookalike();
    ASSERT_NE(lookalike.window, nullptr);
    ASSERT_TRUE(StartSorvane());
    SetText(ID_TYPED_TEXT, "TYPED");
    SetText(ID_STATUS_LINE, "STATUS");
    ASSERT_TRUE(ClickInto(ID_TRANSMITTED_TEXT));

    PostClick(ID_BEGIN);
    HWND box = drive::WaitMessageBox(ProcessId());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(drive::WindowText(GetDlgItem(box, drive::MESSAGE_BOX_TEXT_ID)), NOT_RUNNING_TEXT);
    ExpectBoxesAndStatusEmpty();
    ASSERT_TRUE(drive::DismissMessageBox(box));
    EXPECT_TRUE(WaitFocus(ID_TYPED_TEXT));

    SetText(ID_TYPED_TEXT, "TYPED");
    PostClick(ID_STOP);
    ASSERT_TRUE(DismissNotRunningBox());
    EXPECT_EQ(Text(ID_TYPED_TEXT), "TYPED");
    EXPECT_EQ(standin::QueryCounts(lookalike.window), standin::NOTHING_SENT);
}

TEST_F(TrainerButtons, QuitWhileTheBoxIsOpenEndsCleanlyOnceTheBoxIsDismissed) {
    ASSERT_TRUE(StartSorvane());
    PostClick(ID_BEGIN);
    HWND box = drive::WaitMessageBox(ProcessId());
    ASSERT_NE(box, nullptr);
    PostClick(ID_QUIT);
    EXPECT_TRUE(drive::WaitFor([&] { return !IsWindow(Window()); }));
    ASSERT_TRUE(drive::DismissMessageBox(box));
    EXPECT_TRUE(EndsWithExitCodeZero());
}

} // namespace
