#include "run_comparison.h"

#include "comparison_selection.h"
#include "dialog_layer.h"
#include "main_window.h"
#include "text_compare.h"

#include <string>

namespace {

void SelectInBox(int boxId, const EditSelection& selection) {
    // Positions pass whole as WPARAM/LPARAM: EM_SETSEL takes 32-bit indices, so a
    // mismatch beyond 65,535 is still marked at the right character.
    ControlSend(MainDialog, boxId, EM_SETSEL, static_cast<WPARAM>(selection.start),
                static_cast<LPARAM>(selection.end));
}

} // namespace

void RunComparison() {
    ControlSetText(MainDialog, ID_TRANSMITTED_TEXT, LatestTransmission);
    // Compared as the box holds it (upper-cased, cut at a NUL), so the marks
    // land on the characters the user sees.
    const std::string transmitted = ControlGetText(MainDialog, ID_TRANSMITTED_TEXT);
    const std::string typed = ControlGetText(MainDialog, ID_TYPED_TEXT);
    const CompareResult result = CompareTexts(transmitted, typed);
    const ComparisonSelections selections = SelectionsFor(result);
    SelectInBox(ID_TRANSMITTED_TEXT, selections.transmitted);
    SelectInBox(ID_TYPED_TEXT, selections.typed);
    ControlSetText(MainDialog, ID_STATUS_LINE, FormatMatchLine(result.matchedCount));
}
