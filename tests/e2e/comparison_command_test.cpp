// The Compare button through the real window, beside a stand-in trainer.
#include "trainer_session.h"

#include "main_window.h"

namespace {

struct Row {
    const char* transmitted;
    const char* typed;
    const char* status;
    drive::Selection transmittedBox; // start == end: no selection
    drive::Selection typedBox;
};

const drive::Selection NONE = {0, 0};

const Row COMMAND_ROWS[] = {
    {"", "", " 0 characters match to first error", NONE, NONE},
    {"ABC", "", " 0 characters match to first error", {0, 1}, NONE},
    {"PARIS", "paris", " 5 characters match to first error", NONE, NONE},
    {"ABCD", "ABXD", " 2 characters match to first error", {2, 3}, {2, 3}},
    {"AB CD", "AB  XD", " 2 characters match to first error", {3, 4}, {4, 5}},
    {"AB\r\nCD", "ABCX", " 3 characters match to first error", {5, 6}, {3, 4}},
    {"ABC", "AB   ", " 2 characters match to first error", {2, 3}, NONE},
    {"AB", "ABXYZ", " 2 characters match to first error", NONE, NONE},
};

void ExpectSelectionIs(const drive::Selection& got, const drive::Selection& want, const char* box) {
    if (want.start == want.end) {
        EXPECT_EQ(got.start, got.end) << box;
    } else {
        EXPECT_EQ(got.start, want.start) << box;
        EXPECT_EQ(got.end, want.end) << box;
    }
}

TEST_F(SorvaneWithTrainer, EveryRowOfTheCommandTable) {
    const standin::Standin trainer = StartTrainer();
    ASSERT_NE(trainer.frame, nullptr);
    ASSERT_TRUE(StartSorvane());
    for (const Row& row : COMMAND_ROWS) {
        SCOPED_TRACE(std::string(row.transmitted) + " / " + row.typed);
        ASSERT_TRUE(standin::SetStandinText(trainer.frame, row.transmitted));
        SetText(ID_TYPED_TEXT, row.typed);
        ASSERT_TRUE(CompareUntilShown(row.transmitted));
        EXPECT_EQ(Text(ID_STATUS_LINE), row.status);
        ExpectSelectionIs(Selection(ID_TRANSMITTED_TEXT), row.transmittedBox, "box 101");
        ExpectSelectionIs(Selection(ID_TYPED_TEXT), row.typedBox, "box 102");
        ExpectResultRight();
    }
}

TEST_F(SorvaneWithTrainer, BoxFollowsTheTrainerOnlyWhenCompareIsPressed) {
    const standin::Standin trainer = StartTrainer("--text AAAAA");
    ASSERT_NE(trainer.frame, nullptr);
    ASSERT_TRUE(StartSorvane());
    SetText(ID_TYPED_TEXT, "AAAAA");
    ASSERT_TRUE(CompareUntilShown("AAAAA"));
    ExpectResultRight();

    ASSERT_TRUE(standin::SetStandinText(trainer.frame, "BBBBB"));
    // Several refresh ticks pass; the box must not change by itself.
    drive::PumpFor(500);
    EXPECT_EQ(Text(ID_TRANSMITTED_TEXT), "AAAAA");
    ASSERT_TRUE(CompareUntilShown("BBBBB"));
    EXPECT_EQ(Text(ID_STATUS_LINE), " 0 characters match to first error");
    ExpectResultRight();

    SendClick(ID_ERASE);
    EXPECT_EQ(Text(ID_TRANSMITTED_TEXT), "");
    EXPECT_EQ(Text(ID_TYPED_TEXT), "");
    EXPECT_EQ(Text(ID_STATUS_LINE), "");
    SendClick(ID_COMPARE);
    EXPECT_EQ(Text(ID_TRANSMITTED_TEXT), "BBBBB");
    ExpectResultRight();
}

TEST_F(SorvaneWithTrainer, WithTheTrainerClosedCompareEmptiesTheBoxAndReportsZero) {
    standin::Standin trainer = StartTrainer("--text CQCQ");
    ASSERT_NE(trainer.frame, nullptr);
    ASSERT_TRUE(StartSorvane());
    SetText(ID_TYPED_TEXT, "CQ");
    ASSERT_TRUE(CompareUntilShown("CQCQ"));
    StopTrainer(trainer);
    // Box 101 keeps its old text until Compare, which then shows the empty text.
    EXPECT_EQ(Text(ID_TRANSMITTED_TEXT), "CQCQ");
    ASSERT_TRUE(CompareUntilShown(""));
    EXPECT_EQ(Text(ID_STATUS_LINE), " 0 characters match to first error");
    const drive::Selection typed = Selection(ID_TYPED_TEXT);
    EXPECT_EQ(typed.start, typed.end);
    ExpectResultRight();
}

} // namespace
