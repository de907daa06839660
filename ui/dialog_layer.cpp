#include "dialog_layer.h"

#include "dialog_procedure.h"
#include "dialog_records.h"
#include "dialog_template.h"

#include <vector>

namespace {

constexpr DWORD BUTTON_DEFAULT_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD LABEL_DEFAULT_STYLE = WS_CHILD | WS_VISIBLE;
constexpr DWORD TEXT_BOX_DEFAULT_STYLE =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD KIND_ALWAYS_ADDED_STYLE = WS_CHILD | WS_VISIBLE;
constexpr char BUTTON_CLASS[] = "BUTTON";
constexpr char LABEL_CLASS[] = "STATIC";
constexpr char TEXT_BOX_CLASS[] = "EDIT";
constexpr LPARAM NO_INIT_PARAM = 0;
constexpr LPARAM REDRAW = TRUE;
constexpr DWORD IDLE_POLL_MS = 1;

const char* KindClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::Button: return BUTTON_CLASS;
    case ControlKind::TextBox: return TEXT_BOX_CLASS;
    case ControlKind::Label: break;
    }
    return LABEL_CLASS;
}

// A text box's default border is drawn as a sunken client edge instead.
void ApplyKindDefault(ControlKind kind, DWORD* style, DWORD* exStyle) {
    switch (kind) {
    case ControlKind::Button: *style = BUTTON_DEFAULT_STYLE; return;
    case ControlKind::Label: *style = LABEL_DEFAULT_STYLE; return;
    case ControlKind::TextBox:
        *style = TEXT_BOX_DEFAULT_STYLE & ~WS_BORDER;
        *exStyle |= WS_EX_CLIENTEDGE;
        return;
    }
}

int ShowCommandFor(DWORD style) {
    if (style & WS_MAXIMIZE) {
        return SW_SHOWMAXIMIZED;
    }
    if (style & WS_MINIMIZE) {
        return SW_MINIMIZE;
    }
    return SW_SHOW;
}

WPARAM SizeKindFor(int showCommand) {
    switch (showCommand) {
    case SW_SHOWMAXIMIZED: return SIZE_MAXIMIZED;
    case SW_MINIMIZE: return SIZE_MINIMIZED;
    default: return SIZE_RESTORED;
    }
}

// Edges, not width and height, are mapped, so adjacent controls meet exactly.
RECT PixelRect(HWND dialog, int x, int y, int width, int height) {
    RECT rect{x, y, x + width, y + height};
    MapDialogRect(dialog, &rect);
    return rect;
}

bool IsDefaultPushButton(ControlKind kind, DWORD style) {
    return kind == ControlKind::Button && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

void GreetHandler(HWND dialog, DialogCallback handler, int showCommand) {
    CallDialogHandler(handler, dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(dialog),
                      NO_INIT_PARAM);
    RECT client{};
    GetClientRect(dialog, &client);
    CallDialogHandler(handler, dialog, WM_SIZE, SizeKindFor(showCommand),
                      MAKELPARAM(client.right, client.bottom));
}

// IsDialogMessageA gives the dialog its keyboard interface: Tab order,
// mnemonics, Escape as IDCANCEL.
void HandleQueuedMessage(HWND dialog, MSG* message) {
    if (IsWindow(dialog) && IsDialogMessageA(dialog, message)) {
        return;
    }
    TranslateMessage(message);
    DispatchMessageA(message);
}

} // namespace

HWND DialogNew(HWND parent, const std::string& caption, int x, int y, int width, int height,
               DWORD style, DWORD exStyle) {
    const std::vector<WORD> dialogTemplate = DialogTemplateBuild(
        caption, DialogCreationStyle(style, x, y), exStyle, x, y, width, height);
    HWND dialog = CreateDialogIndirectParamA(
        GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()), parent,
        LayerDialogProc, NO_INIT_PARAM);
    if (dialog == nullptr) {
        return nullptr;
    }
    DialogRecord record;
    record.window = dialog;
    record.showCommand = ShowCommandFor(style);
    record.font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    DialogRecordAdd(record);
    return dialog;
}

HWND ControlAdd(HWND dialog, int id, const std::string& caption, int x, int y, int width,
                int height, DWORD style, DWORD exStyle, ControlKind kind) {
    const RECT rect = PixelRect(dialog, x, y, width, height);
    if (style == 0) {
        ApplyKindDefault(kind, &style, &exStyle);
    }
    style |= KIND_ALWAYS_ADDED_STYLE;
    HWND control = CreateWindowExA(exStyle, KindClass(kind), caption.c_str(), style, rect.left,
                                   rect.top, rect.right - rect.left, rect.bottom - rect.top, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    if (control == nullptr) {
        return nullptr;
    }
    DialogRecord owner;
    DialogRecordFind(dialog, &owner);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(owner.font), REDRAW);
    if (IsDefaultPushButton(kind, style)) {
        SendMessageA(dialog, DM_SETDEFID, static_cast<WPARAM>(id), 0);
    }
    ControlRecordAdd(ControlRecord{control, dialog, kind, nullptr});
    return control;
}

// Polls (Sleep(1) when the queue is empty) rather than blocking in GetMessageA,
// and checks the dialog's existence on every round: a message sent from another
// thread is handled inside PeekMessageA and may destroy the dialog without
// leaving anything in the queue, which a blocking loop would wait for.
void DialogShowModal(HWND dialog, DialogCallback handler, int32_t* endValue) {
    DialogRecord record;
    DialogRecordFind(dialog, &record);
    if (handler != nullptr) {
        GreetHandler(dialog, handler, record.showCommand);
    }
    if (!DialogRecordAttach(dialog, handler, endValue)) {
        return;
    }
    ShowWindow(dialog, record.showCommand);
    do {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            HandleQueuedMessage(dialog, &message);
        } else {
            Sleep(IDLE_POLL_MS);
        }
    } while (IsWindow(dialog));
}

void DialogEnd(HWND dialog, int32_t endValue) {
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    DialogRecord record;
    if (DialogRecordFind(dialog, &record) && record.endValue != nullptr) {
        *record.endValue = endValue;
    }
    DestroyWindow(dialog);
}
