// Control access by dialog and identifier: each call finds the control anew with
// GetDlgItem, so no control handle is kept anywhere.
#include "dialog_layer.h"

#include <new>
#include <vector>

LRESULT DialogSend(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(dialog, message, wParam, lParam);
}

LRESULT ControlSend(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(GetDlgItem(dialog, id), message, wParam, lParam);
}

void ControlSetText(HWND dialog, int id, const char* text) {
    SetWindowTextA(GetDlgItem(dialog, id), text);
}

void ControlSetText(HWND dialog, int id, const std::string& text) {
    ControlSetText(dialog, id, text.c_str());
}

std::string ControlGetText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    const int length = GetWindowTextLengthA(control);
    if (length <= 0) {
        return {};
    }
    // Without memory for the text, the box reads as empty, as any text does.
    try {
        std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
        const int copied = GetWindowTextA(control, buffer.data(), static_cast<int>(buffer.size()));
        return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

void ControlSetFocus(HWND dialog, int id) {
    SetFocus(GetDlgItem(dialog, id));
}
