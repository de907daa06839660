// Finding the trainer and reading its transmitted text, against the stand-in
// trainer running in its own process.
#include "trainer_test_fixture.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int REPEATED_READS = 20;
constexpr size_t LONGEST_READ = TEXT_BUFFER_SIZE - 2; // 27,999
constexpr size_t OVERLONG_TEXT = 30000;
constexpr DWORD SLOW_REPLY_MS = 300;
// Another version's caption: differs by more than letter case, since the
// platform's caption search ignores case.
constexpr char OTHER_CAPTION[] = "Koch Method CW Trainer - Brenlow 2";

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

HWND OnlyChild(HWND parent) {
    const std::vector<HWND> children = standin::DirectChildren(parent);
    return children.size() == 1 ? children[0] : nullptr;
}

} // namespace

TEST(TrainerLinkFacts, NamesTheTrainerAsItShowsItself) {
    EXPECT_STREQ(TRAINER_CAPTION, STANDIN_CAPTION);
    EXPECT_STREQ(TRAINER_TEXT_CLASS, STANDIN_TEXT_CLASS);
    EXPECT_EQ(TRAINER_MSG_START, STANDIN_MSG_START);
    EXPECT_EQ(TRAINER_MSG_STOP, STANDIN_MSG_STOP);
    EXPECT_STREQ(TRAINER_EXE_NAME, "KochMorseTrainer.exe");
    EXPECT_EQ(TEXT_BUFFER_SIZE, 28001u);
}

TEST_F(TrainerLinkTest, NoTrainerGivesTheEmptyTextEveryTimeAndNoBox) {
    EXPECT_EQ(FindTrainerWindow(), nullptr);
    for (int i = 0; i < REPEATED_READS; ++i) {
        std::string text = "unread";
        ASSERT_TRUE(ReadWithin(&text));
        EXPECT_EQ(text, "");
    }
    EXPECT_EQ(drive::CountMessageBoxes(GetCurrentProcessId()), 0);
}

TEST_F(TrainerLinkTest, FindsTheTrainerAndReadsItsText) {
    standin::Standin trainer = StartTrainer("--text CQ");
    ASSERT_NE(trainer.frame, nullptr);
    EXPECT_EQ(FindTrainerWindow(), trainer.frame);
    std::string text;
    ASSERT_TRUE(ReadWithin(&text));
    EXPECT_EQ(text, "CQ");
}

// Every call searches afresh: a changed text and a closed trainer show at once.
TEST_F(TrainerLinkTest, EveryReadSeesTheTrainerAsItIsNow) {
    standin::Standin trainer = StartTrainer("--text ONE");
    ASSERT_NE(trainer.frame, nullptr);
    std::string text;
    ASSERT_TRUE(ReadWithin(&text));
    EXPECT_EQ(text, "ONE");
    ASSERT_TRUE(standin::SetStandinText(trainer.frame, "TWO"));
    ASSERT_TRUE(ReadWithin(&text));
    EXPECT_EQ(text, "TWO");
    StopTrainer(trainer);
    ASSERT_TRUE(drive::WaitFor([] { return FindTrainerWindow() == nullptr; }));
    ASSERT_TRUE(ReadWithin(&text));
    EXPECT_EQ(text, "");
}

TEST_F(TrainerLinkTest, ALongTextComesBackAsItsFirst27999Characters) {
    standin::Standin trainer = StartTrainer("");
    ASSERT_NE(trainer.frame, nullptr);
    for (size_t length : {LONGEST_READ - 1, LONGEST_READ, LONGEST_READ + 1, OVERLONG_TEXT}) {
        const std::string sent = Numbered(length);
        ASSERT_TRUE(standin::SetStandinText(trainer.frame, sent));
        std::string text;
        ASSERT_TRUE(ReadWithin(&text));
        EXPECT_EQ(text.size(), std::min(length, LONGEST_READ)) << "for " << length;
        EXPECT_TRUE(text == sent.substr(0, LONGEST_READ)) << "for " << length;
    }
}

TEST_F(TrainerLinkTest, ANulInTheTrainersTextEndsTheText) {
    standin::Standin trainer = StartTrainer("");
    ASSERT_NE(trainer.frame, nullptr);
    ASSERT_TRUE(standin::SetStandinText(trainer.frame, std::string("VVV\0DE", 6)));
    HWND child = OnlyChild(trainer.frame);
    ASSERT_NE(child, nullptr);
    ASSERT_EQ(SendMessageA(child, WM_GETTEXTLENGTH, 0, 0), 6);
    std::string text;
    ASSERT_TRUE(ReadWithin(&text));
    EXPECT_EQ(text, "VVV");
}

TEST_F(TrainerLinkTest, EveryByteValueFrom1To255SurvivesTheRoundTrip) {
    standin::Standin trainer = StartTrainer("");
    ASSERT_NE(trainer.frame, nullptr);
    std::string sent;
    for (int byte = 1; byte <= UCHAR_MAX; ++byte) {
        sent += static_cast<char>(byte);
    }
    ASSERT_TRUE(standin::SetStandinText(trainer.frame, sent));
    std::string text;
    ASSERT_TRUE(ReadWithin(&text));
    ASSERT_EQ(text.size(), sent.size());
    for (size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(static_cast<unsigned char>(text[i]), static_cast<unsigned char>(sent[i]));
    }
}

TEST_F(TrainerLinkTest, WithTwoTextChildrenTheOneLaterInTheWalkSuppliesTheText) {
    standin::Standin trainer = StartTrainer("--two-children --text FIRST --second-text SECOND");
    ASSERT_NE(trainer.frame, nullptr);
    const std::vector<HWND> children = standin::DirectChildren(trainer.frame);
    ASSERT_EQ(children.size(), 2u);
    const std::string earlier = drive::WindowText(children[0]);
    const std::string later = drive::WindowText(children[1]);
    ASSERT_NE(earlier, later);
    std::string text;
    ASSERT_TRUE(ReadWithin(&text));
    EXPECT_EQ(text, later);
}

TEST_F(TrainerLinkTest, ANestedTextWindowIsNotFound) {
    standin::Standin trainer = StartTrainer("--nested-child --text NESTED");
    ASSERT_NE(trainer.frame, nullptr);
    HWND panel = OnlyChild(trainer.frame);
    ASSERT_NE(panel, nullptr);
    HWND nested = OnlyChild(panel);
    ASSERT_NE(nested, nullptr);
    ASSERT_EQ(drive::ClassName(nested), TRAINER_TEXT_CLASS);
    ASSERT_EQ(drive::WindowText(nested), "NESTED");
    std::string text = "unread";
    ASSERT_TRUE(ReadWithin(&text));
    EXPECT_EQ(text, "");
}

TEST_F(TrainerLinkTest, AClassThatOnlyStartsWithTheNameIsNotFound) {
    standin::Standin trainer = StartTrainer("--prefix-class --text PREFIX");
    ASSERT_NE(trainer.frame, nullptr);
    HWND child = OnlyChild(trainer.frame);
    ASSERT_NE(child, nullptr);
    ASSERT_EQ(drive::ClassName(child), STANDIN_PREFIX_CLASS);
    ASSERT_EQ(drive::WindowText(child), "PREFIX");
    std::string text = "unread";
    ASSERT_TRUE(ReadWithin(&text));
    EXPECT_EQ(text, "");
}

TEST_F(TrainerLinkTest, AClassThatDiffersOnlyInCaseIsNotFound) {
    standin::Standin trainer = StartTrainer("--case-class --text CASE");
    ASSERT_NE(trainer.frame, nullptr);
    HWND child = OnlyChild(trainer.frame);
    ASSERT_NE(child, nullptr);
    ASSERT_EQ(drive::ClassName(child), STANDIN_CASE_CLASS);
    ASSERT_EQ(drive::WindowText(child), "CASE");
    std::string text = "unread";
    ASSERT_TRUE(ReadWithin(&text));
    EXPECT_EQ(text, "");
}

TEST_F(TrainerLinkTest, ADifferentCaptionCountsAsNotRunning) {
    standin::Standin other =
        StartTrainer("--text OTHER --caption " + standin::Quoted(OTHER_CAPTION), OTHER_CAPTION);
    ASSERT_NE(other.frame, nullptr);
    EXPECT_EQ(FindTrainerWindow(), nullptr);
    std::string text = "unread";
    ASSERT_TRUE(ReadWithin(&text));
    EXPECT_EQ(text, "");
}

// The read is synchronous: a trainer slow to answer still delivers its text.
TEST_F(TrainerLinkTest, ASlowTrainerIsWaitedFor) {
    standin::Standin trainer =
        StartTrainer("--text SLOW --delay-ms " + std::to_string(SLOW_REPLY_MS));
    ASSERT_NE(trainer.frame, nullptr);
    std::string text;
    ASSERT_TRUE(ReadWithin(&text));
    EXPECT_EQ(text, "SLOW");
}
