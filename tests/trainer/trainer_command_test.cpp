// Commanding the trainer: the start and stop messages, and the box shown when
// there is no trainer to command.
#include "trainer_test_fixture.h"

namespace {

constexpr DWORD SLOW_REPLY_MS = 500;
constexpr DWORD BOX_LOOK_MS = 300;
constexpr char BOX_CAPTION[] = "ERROR";
constexpr char BOX_TEXT[] = "Koch Method CW Trainer Is Not Running";
constexpr char STATIC_CLASS[] = "Static";
constexpr char BUTTON_CLASS[] = "Button";
constexpr int CALLS_MADE = 2;

// What can be seen of a message box from inside its own process.
struct BoxFacts {
    std::string text;
    std::vector<int> buttonIds;
    bool stopIcon = false;
    bool topmost = false;
    HWND owner = nullptr;
};

BOOL CALLBACK CollectBoxChild(HWND child, LPARAM lParam) {
    auto* facts = reinterpret_cast<BoxFacts*>(lParam);
    const std::string className = drive::ClassName(child);
    if (className == BUTTON_CLASS && IsWindowVisible(child)) {
        facts->buttonIds.push_back(GetDlgCtrlID(child));
    } else if (className == STATIC_CLASS) {
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON) {
            // The box and this test share a process, so the shared system icon
            // has the same handle on both sides.
            const HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            facts->stopIcon = facts->stopIcon || icon == LoadIconA(nullptr, IDI_HAND);
        } else if (!drive::WindowText(child).empty()) {
            facts->text = drive::WindowText(child);
        }
    }
    return TRUE;
}

BoxFacts LookAtBox(HWND box) {
    BoxFacts facts;
    EnumChildWindows(box, CollectBoxChild, reinterpret_cast<LPARAM>(&facts));
    facts.topmost = (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    facts.owner = GetWindow(box, GW_OWNER);
    return facts;
}

const standin::MessageCounts NOTHING_SENT{0, 0};

using TrainerCommand = TrainerLinkTest;

} // namespace

TEST_F(TrainerCommand, StartAndStopArriveExactlyOnceEach) {
    standin::Standin trainer = StartTrainer("");
    ASSERT_NE(trainer.frame, nullptr);
    ASSERT_TRUE(SendWithin("Start"));
    EXPECT_EQ(standin::QueryCounts(trainer.frame), (standin::MessageCounts{1, 0}));
    EXPECT_TRUE(standin::QuerySending(trainer.frame));
    ASSERT_TRUE(SendWithin("Stop"));
    EXPECT_EQ(standin::QueryCounts(trainer.frame), (standin::MessageCounts{1, 1}));
    EXPECT_FALSE(standin::QuerySending(trainer.frame));
    EXPECT_EQ(drive::CountMessageBoxes(GetCurrentProcessId()), 0);
}

// The command is sent, not posted: when it returns, the trainer has handled it,
// which the counts it publishes without any message of ours already show.
TEST_F(TrainerCommand, ACommandReturnsOnlyOnceTheTrainerHandledIt) {
    standin::Standin trainer = StartTrainer("--delay-ms " + std::to_string(SLOW_REPLY_MS));
    ASSERT_NE(trainer.frame, nullptr);
    ASSERT_EQ(standin::PublishedCounts(trainer.frame).starts, 0);
    ASSERT_TRUE(SendWithin("Start"));
    EXPECT_EQ(standin::PublishedCounts(trainer.frame).starts, 1);
    ASSERT_TRUE(SendWithin("Stop"));
    EXPECT_EQ(standin::PublishedCounts(trainer.frame).stops, 1);
}

// The words are compared byte for byte; anything else sends nothing.
TEST_F(TrainerCommand, OtherWordsSendNothing) {
    standin::Standin trainer = StartTrainer("");
    ASSERT_NE(trainer.frame, nullptr);
    for (const char* word : {"start", "STOP", "Start ", ""}) {
        ASSERT_TRUE(SendWithin(word));
    }
    EXPECT_EQ(standin::QueryCounts(trainer.frame), NOTHING_SENT);
}

// With no trainer, each call shows one box and sends nothing, not even to a
// trainer whose caption is almost right. The calls run on a second thread, since
// each waits until its box is dismissed.
TEST_F(TrainerCommand, WithoutTheTrainerEachCallShowsTheNotRunningBoxAndSendsNothing) {
    standin::Standin other =
        StartTrainer("--caption " + standin::Quoted(OTHER_CAPTION), OTHER_CAPTION);
    ASSERT_NE(other.frame, nullptr);
    HANDLE caller = testfiles::RunOnThread([] {
        SendTrainerCommand("Start");
        SendTrainerCommand("Stop");
    });
    ASSERT_NE(caller, nullptr);
    for (int call = 0; call < CALLS_MADE; ++call) {
        HWND box = drive::WaitMessageBox(GetCurrentProcessId(), BOX_CAPTION);
        ASSERT_NE(box, nullptr) << "no box for call " << call;
        drive::PumpFor(BOX_LOOK_MS);
        EXPECT_EQ(drive::CountMessageBoxes(GetCurrentProcessId(), BOX_CAPTION), 1);
        EXPECT_EQ(drive::ClassName(box), drive::MESSAGE_BOX_CLASS);
        const BoxFacts facts = LookAtBox(box);
        EXPECT_EQ(facts.text, BOX_TEXT);
        EXPECT_EQ(facts.buttonIds, std::vector<int>{IDOK});
        EXPECT_TRUE(facts.stopIcon);
        EXPECT_TRUE(facts.topmost);
        EXPECT_EQ(facts.owner, nullptr);
        ASSERT_TRUE(drive::DismissMessageBox(box));
    }
    EXPECT_EQ(WaitForSingleObject(caller, LINK_CALL_TIMEOUT_MS), WAIT_OBJECT_0);
    CloseHandle(caller);
    EXPECT_EQ(drive::CountMessageBoxes(GetCurrentProcessId(), BOX_CAPTION), 0);
    EXPECT_EQ(standin::QueryCounts(other.frame), NOTHING_SENT);
}
