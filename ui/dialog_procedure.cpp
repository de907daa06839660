#include "dialog_procedure.h"

#include "dialog_layer.h"
#include "dialog_records.h"

#include <new>

namespace {

constexpr int32_t CLOSE_BOX_END_VALUE = 0;

INT_PTR CallHandler(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogRecord record;
    if (!DialogRecordFind(dialog, &record) || record.handler == nullptr) {
        return 0;
    }
    return CallDialogHandler(record.handler, dialog, message, wParam, lParam);
}

// A handled message's result also becomes DWLP_MSGRESULT, unless the handler
// already put a result there itself.
void StoreMessageResult(HWND dialog, INT_PTR result) {
    if (GetWindowLongPtrA(dialog, DWLP_MSGRESULT) == 0) {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
    }
}

bool IsColourMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Looked up afresh: the handler that just ran may have destroyed the control.
INT_PTR ControlColours(LPARAM control) {
    ControlRecord record;
    if (!ControlRecordFind(reinterpret_cast<HWND>(control), &record) ||
        record.background == nullptr) {
        return FALSE;
    }
    return reinterpret_cast<INT_PTR>(record.background);
}

INT_PTR DefaultHandling(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND && LOWORD(wParam) == SC_CLOSE) {
        DialogEnd(dialog, CLOSE_BOX_END_VALUE);
        return TRUE;
    }
    if (IsColourMessage(message)) {
        return ControlColours(lParam);
    }
    return FALSE;
}

} // namespace

// A handler that ran out of memory counts as having left the message alone (0),
// so the layer's defaults still apply: the close box still closes the window.
// Unwinding further would cross the system's own frames, which the i686 build's
// unwind tables cannot do: the process would end there.
INT_PTR CallDialogHandler(DialogCallback handler, HWND dialog, UINT message, WPARAM wParam,
                          LPARAM lParam) {
    try {
        return handler(dialog, message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

// The record is looked up before the handler runs and again by whatever needs it
// afterwards, never carried across the call: the handler may run a nested message
// loop (a message box) in which the dialog is ended and its records dropped.
// The WM_INITDIALOG the platform sends during creation finds no record yet and is
// answered FALSE, so the platform sets no initial focus.
INT_PTR CALLBACK LayerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ACTIVATE) {
        return TRUE;
    }
    const INT_PTR result = CallHandler(dialog, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        DialogRecordsDrop(dialog);
    }
    if (result != 0) {
        StoreMessageResult(dialog, result);
        return result;
    }
    return DefaultHandling(dialog, message, wParam, lParam);
}
