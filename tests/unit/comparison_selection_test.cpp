#include "comparison_selection.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Row {
    const char* transmitted;
    const char* typed;
    int32_t count;
    EditSelection transmittedBox;
    EditSelection typedBox;
};

constexpr EditSelection NONE = NO_SELECTION;

// What the Compare button shows for each pair of texts.
const Row COMMAND_CASES[] = {
    {"", "", 0, NONE, NONE},
    {"ABC", "", 0, {0, 1}, NONE},
    {"PARIS", "paris", 5, NONE, NONE},
    {"ABCD", "ABXD", 2, {2, 3}, {2, 3}},
    {"AB CD", "AB  XD", 2, {3, 4}, {4, 5}},
    {"AB\r\nCD", "ABCX", 3, {5, 6}, {3, 4}},
    {"ABC", "AB   ", 2, {2, 3}, NONE},
    {"AB", "ABXYZ", 2, NONE, NONE},
};

TEST(ComparisonSelection, CommandTable) {
    for (const Row& row : COMMAND_CASES) {
        SCOPED_TRACE(std::string(row.transmitted) + " / " + row.typed);
        const CompareResult result = CompareTexts(row.transmitted, row.typed);
        const ComparisonSelections selections = SelectionsFor(result);
        EXPECT_EQ(result.matchedCount, row.count);
        EXPECT_EQ(selections.transmitted.start, row.transmittedBox.start);
        EXPECT_EQ(selections.transmitted.end, row.transmittedBox.end);
        EXPECT_EQ(selections.typed.start, row.typedBox.start);
        EXPECT_EQ(selections.typed.end, row.typedBox.end);
    }
}

TEST(ComparisonSelection, MarksBeyondSixteenBits) {
    const std::string transmitted(70000, 'K');
    std::string typed(70000, 'K');
    typed[66000] = 'M';
    const ComparisonSelections selections = SelectionsFor(CompareTexts(transmitted, typed));
    EXPECT_EQ(selections.typed.start, 66000);
    EXPECT_EQ(selections.typed.end, 66001);
}

} // namespace
