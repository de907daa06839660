// A typed text far beyond 16-bit positions: 100,000 characters set into box 102
// with WM_SETTEXT (a paste would be cut by the box's typing limit; text set this
// way is not), its first wrong character beyond 32,767 and beyond 65,535.
#include "sorvane_session.h"

#include "main_window.h"
#include "reference_compare.h"

namespace {

constexpr PracticeSpec TRANSMITTED = {2000, 3};
constexpr char WRONG_CHARACTER = '#';
constexpr size_t TYPED_LENGTH = 100000;
constexpr uint32_t FILLER_SEED = 4;
// Blank lines before the copy, as a user might leave them: 78 spaces and CR LF.
constexpr size_t BLANK_LINE_SPACES = 78;

struct Row {
    size_t wrongAtLeast;   // index in box 102 the wrong character must lie beyond
    size_t wrongCharacter; // which non-blank transmitted character is typed wrong
};

const Row ROWS[] = {
    {32767, 1200},
    {65535, 700},
};

// Blank lines up to at least `length` characters.
std::string BlankLines(size_t length) {
    std::string blanks;
    while (blanks.size() < length) {
        blanks.append(BLANK_LINE_SPACES, ' ');
        blanks += "\r\n";
    }
    return blanks;
}

// The copy typed after blank lines that push its n-th character beyond
// `wrongAtLeast`, that character typed wrong, then more copy up to TYPED_LENGTH.
std::string TypedWithOneMistake(const std::string& transmitted, const Row& row) {
    // The reference counts positions from 1.
    const size_t at = reference::NonBlanks(transmitted).at(row.wrongCharacter).position - 1;
    std::string typed = BlankLines(row.wrongAtLeast + 1 - at) + transmitted;
    typed[typed.size() - transmitted.size() + at] = WRONG_CHARACTER;
    typed += PracticeText({TYPED_LENGTH - typed.size(), FILLER_SEED});
    return typed;
}

using LongTypedText = SorvaneSession;

TEST_F(LongTypedText, AFirstMismatchBeyond16BitPositionsIsCountedAndSelectedExactly) {
    const std::string transmitted = PracticeText(TRANSMITTED);
    const standin::Standin trainer = StartWithTrainerText(transmitted);
    ASSERT_NE(trainer.window, nullptr);
    for (const Row& row : ROWS) {
        SCOPED_TRACE(row.wrongAtLeast);
        const std::string typed = TypedWithOneMistake(transmitted, row);
        ASSERT_EQ(typed.size(), TYPED_LENGTH);
        ASSERT_TRUE(TypeThenCompare(typed, transmitted, LONG_TEXT_WAIT_MS));
        ASSERT_EQ(Text(ID_TYPED_TEXT).size(), TYPED_LENGTH);

        ExpectResultRight(static_cast<int32_t>(row.wrongCharacter));
        const drive::Selection selection = Selection(ID_TYPED_TEXT);
        EXPECT_GT(selection.start, row.wrongAtLeast);
        EXPECT_EQ(selection.end, selection.start + 1);
        EXPECT_EQ(Text(ID_TYPED_TEXT).substr(selection.start, 1), std::string(1, WRONG_CHARACTER));
    }
}

} // namespace
