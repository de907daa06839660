// Finding the trainer and reading its transmitted text, against the stand-in
// trainer running in its own process.
#include "trainer_test_fixture.h"

#include <algorithm>

namespace {

constexpr int REPEATED_READS = 20;
// The longest text a read returns.
constexpr size_t LONGEST_READ = 27999;
constexpr size_t OVERLONG_TEXT = 30000;
constexpr DWORD SLOW_REPLY_MS = 300;

// A text whose every position is told apart from its neighbours, so a cut in
// the wrong place shows.
std::string Numbered(size_t length) {
    std::string text;
    for (size_t i = 0; text.size() < length; ++i) {
        text += std::to_string(i) + ",";
    }
    text.resize(length);
    return text;
}

struct Lookalike {
    const char* arguments;
    bool nested; // inside a panel rather than a direct child of the frame
    const char* className;
    const char* text;
};

// Text windows the trainer's own would be mistaken for by a looser search.
const Lookalike LOOKALIKES[] = {
    {"--nested-child --text NESTED", true, STANDIN_TEXT_CLASS, "NESTED"},
    {"--prefix-class --text PREFIX", false, STANDIN_PREFIX_CLASS, "PREFIX"},
    {"--case-class --text CASE", false, STANDIN_CASE_CLASS, "CASE"},
};

using TrainerRead = TrainerLinkTest;

} // namespace

TEST(TrainerLinkFacts, NamesTheTrainerAsItShowsItself) {
    EXPECT_STREQ(TRAINER_CAPTION, STANDIN_CAPTION);
    EXPECT_STREQ(TRAINER_TEXT_CLASS, STANDIN_TEXT_CLASS);
    EXPECT_EQ(TRAINER_MSG_START, STANDIN_MSG_START);
    EXPECT_EQ(TRAINER_MSG_STOP, STANDIN_MSG_STOP);
    EXPECT_STREQ(TRAINER_EXE_NAME, STANDIN_INSTALLED_NAME);
}

TEST_F(TrainerRead, NoTrainerGivesTheEmptyTextEveryTimeAndNoBox) {
    EXPECT_EQ(FindTrainerWindow(), nullptr);
    for (int i = 0; i < REPEATED_READS; ++i) {
        EXPECT_EQ(ReadWithin(), "");
    }
    EXPECT_EQ(drive::CountMessageBoxes(GetCurrentProcessId()), 0);
}

// Every call searches afresh: a changed text and a closed trainer show at once.
TEST_F(TrainerRead, FindsTheTrainerAndEveryReadSeesItAsItIsNow) {
    standin::Standin trainer = StartTrainer("--text ONE");
    ASSERT_NE(trainer.frame, nullptr);
    EXPECT_EQ(FindTrainerWindow(), trainer.frame);
    EXPECT_EQ(ReadWithin(), "ONE");
    ASSERT_TRUE(standin::SetStandinText(trainer.frame, "TWO"));
    EXPECT_EQ(ReadWithin(), "TWO");
    StopTrainer(trainer);
    ASSERT_TRUE(drive::WaitFor([] { return FindTrainerWindow() == nullptr; }));
    EXPECT_EQ(ReadWithin(), "");
}

TEST_F(TrainerRead, ALongTextComesBackAsItsFirst27999Characters) {
    standin::Standin trainer = StartTrainer("");
    ASSERT_NE(trainer.frame, nullptr);
    for (size_t length : {LONGEST_READ - 1, LONGEST_READ, LONGEST_READ + 1, OVERLONG_TEXT}) {
        const std::string sent = Numbered(length);
        ASSERT_TRUE(standin::SetStandinText(trainer.frame, sent));
        const std::string text = ReadWithin();
        EXPECT_EQ(text.size(), std::min(length, LONGEST_READ)) << "for " << length;
        EXPECT_TRUE(text == sent.substr(0, LONGEST_READ)) << "for " << length;
    }
}

TEST_F(TrainerRead, ANulInTheTrainersTextEndsTheText) {
    standin::Standin trainer = StartTrainer("");
    ASSERT_NE(trainer.frame, nullptr);
    ASSERT_TRUE(standin::SetStandinText(trainer.frame, std::string("VVV\0DE", 6)));
    HWND child = standin::OnlyChild(trainer.frame);
    ASSERT_NE(child, nullptr);
    ASSERT_EQ(SendMessageA(child, WM_GETTEXTLENGTH, 0, 0), 6);
    EXPECT_EQ(ReadWithin(), "VVV");
}

TEST_F(TrainerRead, EveryByteValueFrom1To255SurvivesTheRoundTrip) {
    standin::Standin trainer = StartTrainer("");
    ASSERT_NE(trainer.frame, nullptr);
    const std::string sent = drive::EveryByteButNul();
    ASSERT_TRUE(standin::SetStandinText(trainer.frame, sent));
    EXPECT_EQ(ReadWithin(), sent);
}

TEST_F(TrainerRead, WithTwoTextChildrenTheOneLaterInTheWalkSuppliesTheText) {
    standin::Standin trainer = StartTrainer("--two-children --text FIRST --second-text SECOND");
    ASSERT_NE(trainer.frame, nullptr);
    const std::vector<HWND> children = standin::DirectChildren(trainer.frame);
    ASSERT_EQ(children.size(), 2u);
    const std::string earlier = drive::WindowText(children[0]);
    const std::string later = drive::WindowText(children[1]);
    ASSERT_NE(earlier, later);
    EXPECT_EQ(ReadWithin(), later);
}

TEST_F(TrainerRead, OnlyADirectChildOfExactlyTheTrainersClassIsRead) {
    for (const Lookalike& lookalike : LOOKALIKES) {
        SCOPED_TRACE(lookalike.arguments);
        standin::Standin trainer = StartTrainer(lookalike.arguments);
        ASSERT_NE(trainer.frame, nullptr);
        HWND child = standin::OnlyChild(trainer.frame);
        if (lookalike.nested) {
            child = standin::OnlyChild(child);
        }
        ASSERT_NE(child, nullptr);
        ASSERT_EQ(drive::ClassName(child), lookalike.className);
        ASSERT_EQ(drive::WindowText(child), lookalike.text);
        EXPECT_EQ(ReadWithin(), "");
        StopTrainer(trainer);
    }
}

TEST_F(TrainerRead, ADifferentCaptionCountsAsNotRunning) {
    standin::Standin other =
        StartTrainer("--text OTHER --caption " + standin::Quoted(OTHER_CAPTION), OTHER_CAPTION);
    ASSERT_NE(other.frame, nullptr);
    EXPECT_EQ(FindTrainerWindow(), nullptr);
    EXPECT_EQ(ReadWithin(), "");
}

// The read is synchronous: a trainer slow to answer still delivers its text.
TEST_F(TrainerRead, ASlowTrainerIsWaitedFor) {
    standin::Standin trainer =
        StartTrainer("--text SLOW --delay-ms " + std::to_string(SLOW_REPLY_MS));
    ASSERT_NE(trainer.frame, nullptr);
    EXPECT_EQ(ReadWithin(), "SLOW");
}
