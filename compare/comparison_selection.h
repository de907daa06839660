// Which character the comparison command marks in each box: the first
// transmitted character missed or miscopied, and the typed character that
// differs from it. Platform-free, so the mapping is tested with the comparison.
#pragma once

#include "text_compare.h"

#include <cstdint>

// An edit box selection as 0-based character indices; a start of -1 removes it.
struct EditSelection {
    int32_t start;
    int32_t end;
};

constexpr EditSelection NO_SELECTION = {-1, -1};

struct ComparisonSelections {
    EditSelection transmitted;
    EditSelection typed;
};

ComparisonSelections SelectionsFor(const CompareResult& result);
