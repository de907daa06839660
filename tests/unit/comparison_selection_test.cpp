#include "comparison_selection.h"

#include <gtest/gtest.h>

namespace {

using O = CompareOutcome;

struct Row {
    const char* name;
    CompareResult result;
    EditSelection transmittedBox;
    EditSelection typedBox;
};

// A 1-based position marks the character before it as a box index counts.
const Row ROWS[] = {
    {"all matched", {O::AllMatched, 5, 0, 0}, NO_SELECTION, NO_SELECTION},
    {"nothing typed", {O::TypedTextEnded, 0, 1, 0}, {0, 1}, NO_SELECTION},
    {"typed text ended later", {O::TypedTextEnded, 2, 3, 0}, {2, 3}, NO_SELECTION},
    {"mismatch at the same place", {O::Mismatch, 2, 3, 3}, {2, 3}, {2, 3}},
    {"mismatch further on in transmitted", {O::Mismatch, 3, 6, 4}, {5, 6}, {3, 4}},
    {"mismatch further on in typed", {O::Mismatch, 2, 4, 5}, {3, 4}, {4, 5}},
    {"beyond 16 bits", {O::Mismatch, 66000, 66001, 70001}, {66000, 66001}, {70000, 70001}},
};

TEST(ComparisonSelection, MarksTheCharacterAtEachPosition) {
    for (const Row& row : ROWS) {
        SCOPED_TRACE(row.name);
        const ComparisonSelections selections = SelectionsFor(row.result);
        EXPECT_EQ(selections.transmitted.start, row.transmittedBox.start);
        EXPECT_EQ(selections.transmitted.end, row.transmittedBox.end);
        EXPECT_EQ(selections.typed.start, row.typedBox.start);
        EXPECT_EQ(selections.typed.end, row.typedBox.end);
    }
}

} // namespace
