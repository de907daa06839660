#include "comparison_selection.h"

namespace {

// A 1-based text position as the one-character selection an edit box takes.
EditSelection CharacterAt(int32_t position) {
    return {position - 1, position};
}

} // namespace

ComparisonSelections SelectionsFor(const CompareResult& result) {
    switch (result.outcome) {
    case CompareOutcome::Mismatch:
        return {CharacterAt(result.transmittedPosition), CharacterAt(result.typedPosition)};
    case CompareOutcome::TypedTextEnded:
        return {CharacterAt(result.transmittedPosition), NO_SELECTION};
    case CompareOutcome::AllMatched: break;
    }
    return {NO_SELECTION, NO_SELECTION};
}
