// The Compare button beside a stand-in trainer: box 101 takes the trainer's text
// only when Compare is pressed; the status line and the character marked in each
// box, written out for a few rows. Other texts are the comparison's tests' business.
#include "sorvane_session.h"

#include "main_window.h"

namespace {

using CompareButton = SorvaneSession;

constexpr DWORD SEVERAL_TICKS_MS = 500;

struct Row {
    const char* transmitted;
    const char* typed;
    int32_t matched;
    drive::Selection transmittedBox; // start == end: no selection
    drive::Selection typedBox;
};

const drive::Selection NONE = {0, 0};

// A box position counts CR LF as two characters; a box with nothing to mark keeps
// no selection; the typed box shows capitals.
const Row ROWS[] = {
    {"AB CD", "AB  XD", 2, {3, 4}, {4, 5}},
    {"AB\r\nCD", "ABCX", 3, {5, 6}, {3, 4}},
    {"ABC", "AB   ", 2, {2, 3}, NONE},
    {"PARIS", "paris", 5, NONE, NONE},
};

TEST_F(CompareButton, ShowsTheCountAndMarksTheFirstErrorInBothBoxes) {
    const standin::Standin trainer = StartWithTrainer();
    ASSERT_NE(trainer.window, nullptr);
    for (const Row& row : ROWS) {
        SCOPED_TRACE(std::string(row.transmitted) + " / " + row.typed);
        ASSERT_TRUE(standin::SetStandinText(trainer.window, row.transmitted));
        ASSERT_TRUE(TypeThenCompare(row.typed, row.transmitted));
        EXPECT_EQ(Text(ID_TYPED_TEXT), drive::ShownInBox(row.typed));
        EXPECT_EQ(drive::ShownNow(Window()), drive::ShownLine(drive::MatchLine(row.matched),
                                                              row.transmittedBox, row.typedBox));
    }
}

TEST_F(CompareButton, BoxFollowsTheTrainerOnlyWhenCompareIsPressedEvenWhenItCloses) {
    standin::Standin trainer = StartWithTrainer("--text AAAAA");
    ASSERT_NE(trainer.window, nullptr);
    ASSERT_TRUE(TypeThenCompare("AAAAA", "AAAAA"));
    ExpectResultRight();

    ASSERT_TRUE(standin::SetStandinText(trainer.window, "BBBBB"));
    // The box must not change by itself while the refresh reads the new text.
    drive::PumpFor(SEVERAL_TICKS_MS);
    EXPECT_EQ(Text(ID_TRANSMITTED_TEXT), "AAAAA");
    ASSERT_TRUE(CompareUntilShown("BBBBB"));
    ExpectResultRight(0);

    SendClick(ID_ERASE);
    SendClick(ID_COMPARE);
    EXPECT_EQ(Text(ID_TRANSMITTED_TEXT), "BBBBB");
    ExpectResultRight();

    // With the trainer closed, box 101 keeps its text until Compare empties it.
    StopTrainer(trainer);
    EXPECT_EQ(Text(ID_TRANSMITTED_TEXT), "BBBBB");
    ASSERT_TRUE(TypeThenCompare("CQ", ""));
    ExpectResultRight(0);
}

} // namespace
