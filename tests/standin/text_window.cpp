#include "text_window.h"

#include <algorithm>
#include <cstring>

namespace {

// Only the tail is painted: what was sent last is what a user watches, and
// laying out 28,000 characters on every change would be slow.
constexpr size_t PAINTED_TAIL_LENGTH = 2000;
constexpr UINT PAINT_FORMAT = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;
constexpr DWORD TEXT_WINDOW_STYLE = WS_CHILD | WS_VISIBLE | WS_BORDER;

DWORD ReplyDelayMs = 0;
DWORD TextReads = 0;

std::string* TextOf(HWND window) {
    return reinterpret_cast<std::string*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Copies at most count - 1 bytes and a NUL, as the platform's WM_GETTEXT does.
LRESULT OnGetText(const std::string& text, WPARAM count, char* buffer) {
    ++TextReads;
    DelayReply();
    if (count == 0 || buffer == nullptr) {
        return 0;
    }
    const size_t copied = std::min(text.size(), static_cast<size_t>(count) - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return static_cast<LRESULT>(copied);
}

void OnPaint(HWND window, const std::string& text) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    const size_t start = text.size() > PAINTED_TAIL_LENGTH ? text.size() - PAINTED_TAIL_LENGTH : 0;
    const char* tail = text.data() + start;
    const int length = static_cast<int>(text.size() - start);
    // Bottom-aligned, so the latest line stays in view as the text grows.
    RECT needed = area;
    DrawTextA(dc, tail, length, &needed, PAINT_FORMAT | DT_CALCRECT);
    const LONG overflow = (needed.bottom - needed.top) - (area.bottom - area.top);
    if (overflow > 0) {
        area.top -= overflow;
    }
    DrawTextA(dc, tail, length, &area, PAINT_FORMAT);
    EndPaint(window, &paint);
}

LRESULT CALLBACK TextWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    std::string* text = TextOf(window);
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new std::string));
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_NCDESTROY:
        delete text;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return 0;
    case WM_GETTEXT: return OnGetText(*text, wParam, reinterpret_cast<char*>(lParam));
    case WM_GETTEXTLENGTH: DelayReply(); return static_cast<LRESULT>(text->size());
    case WM_SETTEXT:
        TextWindowSet(window, lParam == 0 ? "" : reinterpret_cast<const char*>(lParam));
        return TRUE;
    case WM_PAINT: OnPaint(window, *text); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

bool RegisterTextWindowClass(HINSTANCE instance, const char* className) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TextWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass) != 0;
}

void SetTextReplyDelay(DWORD delayMs) {
    ReplyDelayMs = delayMs;
}

void DelayReply() {
    if (ReplyDelayMs != 0) {
        Sleep(ReplyDelayMs);
    }
}

DWORD TextReadsAnswered() {
    return TextReads;
}

HWND CreateTextWindow(HWND parent, const char* className, const std::string& text) {
    HWND window = CreateWindowExA(0, className, "", TEXT_WINDOW_STYLE, 0, 0, 0, 0, parent, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (window != nullptr) {
        TextWindowSet(window, text);
    }
    return window;
}

void TextWindowSet(HWND window, const std::string& text, bool append) {
    if (std::string* stored = TextOf(window)) {
        append ? stored->append(text) : stored->assign(text);
        InvalidateRect(window, nullptr, TRUE);
    }
}
