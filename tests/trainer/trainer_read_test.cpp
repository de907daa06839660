// Finding the trainer and reading its transmitted text, against the stand-in
// trainer running in its own process.
#include "trainer_test_fixture.h"

#include <set>
#include <utility>

namespace {

constexpr int REPEATED_READS = 20;

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

// Text windows the trainer's own would be mistaken for by a looser search.
const struct {
    const char* arguments;
    const char* childClass;
    bool nested; // the child is a panel holding a text window of the trainer's class
    const char* text;
} LOOKALIKES[] = {
    {"--nested-child --text NESTED", STANDIN_PANEL_CLASS, true, "NESTED"},
    {"--prefix-class --text PREFIX", STANDIN_PREFIX_CLASS, false, "PREFIX"},
    {"--case-class --text CASE", STANDIN_CASE_CLASS, false, "CASE"},
};

using TrainerRead = TrainerLinkTest;

} // namespace

TEST(TrainerLinkFacts, NamesTheTrainerAsItShowsItself) {
    EXPECT_STREQ(TRAINER_CAPTION, KOCH_TRAINER_CAPTION);
    EXPECT_STREQ(TRAINER_TEXT_CLASS, STANDIN_TEXT_CLASS);
    EXPECT_EQ(TRAINER_MSG_START, STANDIN_MSG_START);
    EXPECT_EQ(TRAINER_MSG_STOP, STANDIN_MSG_STOP);
    EXPECT_STREQ(TRAINER_EXE_NAME, KOCH_TRAINER_EXE_NAME);
}

TEST_F(TrainerRead, NoTrainerGivesTheEmptyTextEveryTimeAndNoBox) {
    EXPECT_EQ(FindTrainerWindow(), nullptr);
    for (int i = 0; i < REPEATED_READS; ++i) {
        EXPECT_EQ(ReadWithin(), "");
    }
    EXPECT_EQ(drive::CountMessageBoxes(GetCurrentProcessId()), 0);
}

// Every call searches afresh: a changed text and a closed trainer show at once. A
// window of another caption left running counts as no trainer. The read is
// synchronous: a trainer slow to answer still delivers its text.
TEST_F(TrainerRead, FindsTheTrainerAndEveryReadWaitsForItAndSeesItAsItIsNowButNotAnotherCaption) {
    standin::Standin other = processes.Add(standin::StartLookalike("--text OTHER"));
    ASSERT_NE(other.window, nullptr);
    standin::Standin trainer = StartTrainer("--text ONE --delay-ms 300");
    ASSERT_NE(trainer.window, nullptr);
    EXPECT_EQ(FindTrainerWindow(), trainer.window);
    EXPECT_EQ(ReadWithin(), "ONE");
    ASSERT_TRUE(standin::SetStandinText(trainer.window, "TWO"));
    EXPECT_EQ(ReadWithin(), "TWO");
    StopTrainer(trainer);
    ASSERT_TRUE(drive::WaitFor([] { return FindTrainerWindow() == nullptr; }));
    EXPECT_EQ(ReadWithin(), "");
}

// The read ends at a NUL and after 27,999 characters; every other byte comes back.
TEST_F(TrainerRead, ATextComesBackUpToANulOrItsFirst27999CharactersByteForByte) {
    standin::Standin trainer = StartTrainer("");
    ASSERT_NE(trainer.window, nullptr);
    HWND child = drive::OnlyChild(trainer.window);
    ASSERT_NE(child, nullptr);
    const std::pair<std::string, std::string> rows[] = {
        {Numbered(TRAINER_READ_LIMIT - 1), Numbered(TRAINER_READ_LIMIT - 1)},
        {Numbered(TRAINER_READ_LIMIT), Numbered(TRAINER_READ_LIMIT)},
        {Numbered(TRAINER_READ_LIMIT + 1), Numbered(TRAINER_READ_LIMIT)},
        {Numbered(30000), Numbered(TRAINER_READ_LIMIT)},
        {std::string("VVV\0DE", 6), "VVV"},
        {drive::EveryByteButNul(), drive::EveryByteButNul()},
    };
    for (const auto& [sent, read] : rows) {
        SCOPED_TRACE(sent.size());
        ASSERT_TRUE(standin::SetStandinText(trainer.window, sent));
        ASSERT_EQ(drive::Send(child, WM_GETTEXTLENGTH), static_cast<LRESULT>(sent.size()));
        const std::string text = ReadWithin();
        EXPECT_EQ(text.size(), read.size());
        EXPECT_TRUE(text == read);
    }
}

TEST_F(TrainerRead, WithTwoTextChildrenTheOneLaterInTheWalkSuppliesTheText) {
    standin::Standin trainer = StartTrainer("--two-children --text FIRST --second-text SECOND");
    ASSERT_NE(trainer.window, nullptr);
    const std::vector<HWND> children = drive::DirectChildren(trainer.window);
    ASSERT_EQ(children.size(), 2u);
    const std::string later = drive::WindowText(children[1]);
    const std::set<std::string> texts{drive::WindowText(children[0]), later};
    ASSERT_EQ(texts, (std::set<std::string>{"FIRST", "SECOND"}));
    EXPECT_EQ(ReadWithin(), later);
}

TEST_F(TrainerRead, OnlyADirectChildOfExactlyTheTrainersClassIsRead) {
    for (const auto& lookalike : LOOKALIKES) {
        SCOPED_TRACE(lookalike.arguments);
        standin::Standin trainer = StartTrainer(lookalike.arguments);
        ASSERT_NE(trainer.window, nullptr);
        HWND child = drive::OnlyChild(trainer.window);
        ASSERT_NE(child, nullptr);
        ASSERT_EQ(drive::ClassName(child), lookalike.childClass);
        if (lookalike.nested) {
            child = drive::OnlyChild(child);
            ASSERT_NE(child, nullptr);
            ASSERT_EQ(drive::ClassName(child), STANDIN_TEXT_CLASS);
        }
        ASSERT_EQ(drive::WindowText(child), lookalike.text);
        EXPECT_EQ(ReadWithin(), "");
        StopTrainer(trainer);
    }
}
