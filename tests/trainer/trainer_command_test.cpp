// Commanding the trainer: the start and stop messages, and the box shown when
// there is no trainer to command.
#include "trainer_test_fixture.h"

namespace {

constexpr DWORD SLOW_REPLY_MS = 500;
constexpr DWORD BOX_LOOK_MS = 300;
constexpr char STATIC_CLASS[] = "Static";
constexpr char BUTTON_CLASS[] = "Button";
constexpr int CALLS_MADE = 2;

// What a message box shows in its child windows besides its text, seen from
// inside its process.
struct BoxContent {
    std::vector<int> buttonIds;
    bool stopIcon = false;
};

BOOL CALLBACK CollectBoxChild(HWND child, LPARAM lParam) {
    auto* content = reinterpret_cast<BoxContent*>(lParam);
    const std::string className = drive::ClassName(child);
    const bool isIcon = (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
    if (className == BUTTON_CLASS && IsWindowVisible(child)) {
        content->buttonIds.push_back(GetDlgCtrlID(child));
    } else if (className == STATIC_CLASS && isIcon) {
        // The box and this test share a process, so the shared system icon
        // has the same handle on both sides.
        const HICON icon = reinterpret_cast<HICON>(drive::Send(child, STM_GETICON));
        content->stopIcon = content->stopIcon || icon == LoadIconA(nullptr, IDI_HAND);
    }
    return TRUE;
}

struct CommandStep {
    const char* word;
    standin::MessageCounts countsAfter;
    bool sendingAfter;
};

const CommandStep START_THEN_STOP[] = {
    {"Start", {1, 0}, true},
    {"Stop", {1, 1}, false},
};

using TrainerCommand = TrainerLinkTest;

} // namespace

// The words are compared byte for byte: any other sends nothing. Start and Stop
// arrive exactly once each, and are sent, not posted: when a command returns, a
// trainer slow to answer has handled it, which the counts it publishes without
// any message of ours already show.
TEST_F(TrainerCommand, OtherWordsSendNothingStartAndStopArriveOnceEachAndAreHandledOnReturn) {
    standin::Standin trainer = StartTrainer("--delay-ms " + std::to_string(SLOW_REPLY_MS));
    ASSERT_NE(trainer.window, nullptr);
    for (const char* word : {"start", "STOP", "Start ", ""}) {
        ASSERT_TRUE(CommandWithin(word));
    }
    EXPECT_EQ(standin::QueryCounts(trainer.window), standin::NOTHING_SENT);
    for (const CommandStep& step : START_THEN_STOP) {
        ASSERT_TRUE(CommandWithin(step.word));
        EXPECT_EQ(standin::PublishedCounts(trainer.window), step.countsAfter);
        EXPECT_EQ(standin::QueryCounts(trainer.window), step.countsAfter);
        EXPECT_EQ(standin::QuerySending(trainer.window), step.sendingAfter);
    }
    EXPECT_EQ(drive::CountMessageBoxes(GetCurrentProcessId()), 0);
}

// With no trainer, each call shows one box and sends nothing, not even to a
// trainer whose caption is almost right. The calls run on the caller thread,
// since each waits until its box is dismissed.
TEST_F(TrainerCommand, WithoutTheTrainerEachCallShowsTheNotRunningBoxAndSendsNothing) {
    standin::Standin other = processes.Add(standin::StartLookalike());
    ASSERT_NE(other.window, nullptr);
    ASSERT_TRUE(StartCall([] {
        SendTrainerCommand("Start");
        SendTrainerCommand("Stop");
    }));
    for (int call = 0; call < CALLS_MADE; ++call) {
        HWND box = drive::WaitMessageBox(GetCurrentProcessId(), NOT_RUNNING_CAPTION);
        ASSERT_NE(box, nullptr) << "no box for call " << call;
        drive::PumpFor(BOX_LOOK_MS);
        EXPECT_EQ(drive::CountMessageBoxes(GetCurrentProcessId(), NOT_RUNNING_CAPTION), 1);
        EXPECT_EQ(drive::ClassName(box), drive::MESSAGE_BOX_CLASS);
        BoxContent content;
        EnumChildWindows(box, CollectBoxChild, reinterpret_cast<LPARAM>(&content));
        EXPECT_EQ(drive::WindowText(GetDlgItem(box, drive::MESSAGE_BOX_TEXT_ID)), NOT_RUNNING_TEXT);
        EXPECT_EQ(content.buttonIds, std::vector<int>{IDOK});
        EXPECT_TRUE(content.stopIcon);
        EXPECT_NE(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
        EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
        ASSERT_TRUE(drive::DismissMessageBox(box));
    }
    EXPECT_TRUE(WaitCall());
    EXPECT_EQ(drive::CountMessageBoxes(GetCurrentProcessId(), NOT_RUNNING_CAPTION), 0);
    EXPECT_EQ(standin::QueryCounts(other.window), standin::NOTHING_SENT);
}
