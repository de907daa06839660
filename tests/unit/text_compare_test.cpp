#include "text_compare.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using O = CompareOutcome;

struct Row {
    const char* name;
    std::string transmitted;
    std::string typed;
    int32_t count;
    CompareOutcome outcome;
    int32_t transmittedPosition;
    int32_t typedPosition;
};

// Positions without meaning for the outcome are 0.
const Row EDGE_CASES[] = {
    {"both empty", "", "", 0, O::AllMatched, 0, 0},
    {"nothing transmitted", "", "ABC", 0, O::AllMatched, 0, 0},
    {"nothing typed", "ABC", "", 0, O::TypedTextEnded, 1, 0},
    {"typed only blanks", "A", "   ", 0, O::TypedTextEnded, 1, 0},
    {"lower case typed", "PARIS", "paris", 5, O::AllMatched, 0, 0},
    {"spaces skipped", "CQ CQ DE", "CQCQDE", 6, O::AllMatched, 0, 0},
    {"plain mismatch", "ABCD", "ABXD", 2, O::Mismatch, 3, 3},
    {"mismatch after spaces", "AB CD", "AB  XD", 2, O::Mismatch, 4, 5},
    {"CR LF in transmitted", "AB\r\nCD", "ABCX", 3, O::Mismatch, 6, 4},
    {"CR LF in typed", "ABCD", "AB\r\nCX", 3, O::Mismatch, 4, 6},
    {"typed ends in blanks", "ABC", "AB   ", 2, O::TypedTextEnded, 3, 0},
    {"transmitted ends in blanks", "AB   \r\n", "AB", 2, O::AllMatched, 0, 0},
    {"extra typed text ignored", "AB", "ABXYZ", 2, O::AllMatched, 0, 0},
    {"tab is a character", "A\tB", "AB", 1, O::Mismatch, 2, 2},
    {"single mismatch", "X", "Y", 0, O::Mismatch, 1, 1},
    {"cp437 umlaut folds", "\x84", "\x8E", 1, O::AllMatched, 0, 0},
    {"ansi accented does not fold", "\xE4", "\xC4", 0, O::Mismatch, 1, 1},
};

TEST(TextCompare, EdgeCaseTable) {
    for (const Row& row : EDGE_CASES) {
        SCOPED_TRACE(row.name);
        const CompareResult result = CompareTexts(row.transmitted, row.typed);
        EXPECT_EQ(result.outcome, row.outcome);
        EXPECT_EQ(result.matchedCount, row.count);
        EXPECT_EQ(result.transmittedPosition, row.transmittedPosition);
        EXPECT_EQ(result.typedPosition, row.typedPosition);
    }
}

TEST(TextCompare, EmbeddedNulIsAnOrdinaryCharacter) {
    const std::string transmitted("A\0B", 3);
    EXPECT_EQ(CompareTexts(transmitted, std::string("a\0b", 3)).matchedCount, 3);
    const CompareResult result = CompareTexts(transmitted, "A B");
    EXPECT_EQ(result.outcome, O::Mismatch);
    EXPECT_EQ(result.transmittedPosition, 2);
    EXPECT_EQ(result.typedPosition, 3);
}

// A 16-bit position would wrap past 32,767 and point before the text.
TEST(TextCompare, PositionsBeyondSixteenBits) {
    constexpr size_t LENGTH = 40000;
    constexpr size_t MISMATCH_INDEX = 33001;
    const std::string transmitted(LENGTH, 'E');
    std::string typed(LENGTH, 'e');
    typed[MISMATCH_INDEX] = 'T';
    const CompareResult result = CompareTexts(transmitted, typed);
    EXPECT_EQ(result.outcome, O::Mismatch);
    EXPECT_EQ(result.matchedCount, static_cast<int32_t>(MISMATCH_INDEX));
    EXPECT_EQ(result.transmittedPosition, static_cast<int32_t>(MISMATCH_INDEX + 1));
    EXPECT_EQ(result.typedPosition, static_cast<int32_t>(MISMATCH_INDEX + 1));
}

TEST(TextCompare, LongTypedTextWithLeadingBlanks) {
    constexpr size_t BLANKS = 70000;
    const std::string typed = std::string(BLANKS, ' ') + "Q";
    const CompareResult result = CompareTexts("K", typed);
    EXPECT_EQ(result.outcome, O::Mismatch);
    EXPECT_EQ(result.typedPosition, static_cast<int32_t>(BLANKS + 1));
}

TEST(FormatMatchLine, WordingForEveryCount) {
    const struct {
        int32_t count;
        const char* line;
    } rows[] = {
        {0, " 0 characters match to first error"},
        {1, " 1 characters match to first error"},
        {12, " 12 characters match to first error"},
        {32767, " 32767 characters match to first error"},
        {40000, " 40000 characters match to first error"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FormatMatchLine(row.count), row.line);
    }
}

} // namespace
