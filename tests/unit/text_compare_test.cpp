#include "text_compare.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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
    {"NUL is an ordinary character", std::string("A\0B", 3), std::string("a\0b", 3), 3,
     O::AllMatched, 0, 0},
    {"NUL against a blank", std::string("A\0B", 3), "A B", 1, O::Mismatch, 2, 3},
    // A 16-bit position would wrap past 32,767 and point before the text.
    {"beyond 16 bits", std::string(40000, 'E'),
     std::string(33001, 'e') + "T" + std::string(6998, 'e'), 33001, O::Mismatch, 33002, 33002},
    {"long leading blanks typed", "K", std::string(70000, ' ') + "Q", 0, O::Mismatch, 1, 70001},
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

TEST(FormatMatchLine, WordingForEveryCount) {
    const std::pair<int32_t, const char*> rows[] = {
        {0, " 0 characters match to first error"},
        {1, " 1 characters match to first error"},
        {12, " 12 characters match to first error"},
        {32767, " 32767 characters match to first error"},
        {40000, " 40000 characters match to first error"}};
    for (const auto& [count, line] : rows) {
        EXPECT_EQ(FormatMatchLine(count), line);
    }
}

} // namespace
