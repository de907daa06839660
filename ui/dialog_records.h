// What the dialog layer remembers per window, in one process-wide list guarded by
// a spin lock that each operation holds only for its own lookup or change. Lookups
// hand out copies, so no caller holds a pointer into the list while a handler runs
// (a handler may end the dialog and drop its records from inside a nested loop).
#pragma once

#include "dialog_layer.h"

struct DialogRecord {
    HWND window = nullptr;
    DialogCallback handler = nullptr;
    int showCommand = SW_SHOW;
    HFONT font = nullptr;
    int32_t* endValue = nullptr;
};

struct ControlRecord {
    HWND window = nullptr;
    HWND dialog = nullptr;
    ControlKind kind = ControlKind::Label;
    // A control painted in colours of its own would carry its brush here; the
    // controls made by ControlAdd have none, so the platform's colours apply.
    HBRUSH background = nullptr;
};

void DialogRecordAdd(const DialogRecord& record);
void ControlRecordAdd(const ControlRecord& record);

// Copies the record of `window` into `record`; false when there is none.
bool DialogRecordFind(HWND window, DialogRecord* record);
bool ControlRecordFind(HWND window, ControlRecord* record);

// Gives a running dialog its handler and end-value destination; false when the
// dialog has no record.
bool DialogRecordAttach(HWND window, DialogCallback handler, int32_t* endValue);

// Drops the record of `dialog` and those of its controls.
void DialogRecordsDrop(HWND dialog);
