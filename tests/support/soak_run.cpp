#include "soak_run.h"

#include "compare_presses.h"
#include "drive.h"
#include "main_window.h"

namespace perf {

namespace {

// A rest after the last press, so "after" does not catch its work half done.
constexpr DWORD SETTLE_MS = 2000;

ResourceSnapshot Snapshot(const SoakTarget& sorvane) {
    return TakeSnapshot(sorvane.process, sorvane.processId, sorvane.linuxPid);
}

} // namespace

bool RunSoak(const SoakTarget& sorvane, HWND trainerFrame, const SoakPlan& plan,
             SoakResult* result) {
    result->text = ReadTrainerText(trainerFrame);
    if (result->text.empty()) {
        return false;
    }
    drive::SetWindowTextAcross(GetDlgItem(sorvane.window, ID_TYPED_TEXT), result->text);
    result->warmUpAnswered = PressEvenly(sorvane.window, plan.warmUpPresses, plan.warmUpMs);
    result->before = Snapshot(sorvane);
    result->answered = PressEvenly(sorvane.window, plan.presses, plan.durationMs);
    Sleep(SETTLE_MS);
    result->after = Snapshot(sorvane);
    return true;
}

} // namespace perf
