// A stand-in for the Koch Method CW Trainer: shows every fact the companion relies
// on (caption, a direct TRichEditRx child holding the sent text, messages 1034 and
// 1044, the executable's name) so that everything can run without the real one.
// Tests drive it through the private messages in standin_protocol.h.
#include "practice_copy.h"
#include "standin_log.h"
#include "standin_options.h"
#include "standin_protocol.h"
#include "text_window.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr char FRAME_CLASS[] = "StandinTrainerFrame";
// Created hidden and shown once, as the start-up information says: it is seen
// only when built, and in its final state at once.
constexpr DWORD FRAME_STYLE = WS_OVERLAPPEDWINDOW;
constexpr int FRAME_WIDTH = 520;
constexpr int FRAME_HEIGHT = 360;

enum FrameTimer : UINT_PTR { TIMER_PACE = 1, TIMER_EXIT, TIMER_REPLACE };
constexpr uint32_t REPLACE_MAX_LENGTH = 30000;

// Process-wide state of the one frame window, written on its thread only.
StandinOptions Options;
std::vector<HWND> TextWindows;
PracticeCopy Copy;
WORD StartsReceived = 0;
WORD StopsReceived = 0;
bool Sending = false;

const char* TextClassName() {
    switch (Options.childKind) {
    case TextChildKind::PrefixClass: return STANDIN_PREFIX_CLASS;
    case TextChildKind::CaseClass: return STANDIN_CASE_CLASS;
    default: return STANDIN_TEXT_CLASS;
    }
}

void OnCreate(HWND frame) {
    HWND parent = frame;
    if (Options.childKind == TextChildKind::Nested) {
        parent = CreateWindowExA(0, STANDIN_PANEL_CLASS, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                 frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    TextWindows.push_back(CreateTextWindow(parent, TextClassName(), Options.text));
    if (Options.twoChildren) {
        TextWindows.push_back(CreateTextWindow(parent, TextClassName(), Options.secondText));
    }
    if (Options.exitAfterMs != 0) {
        SetTimer(frame, TIMER_EXIT, Options.exitAfterMs, nullptr);
    }
    if (Options.replaceEveryMs != 0) {
        SetTimer(frame, TIMER_REPLACE, Options.replaceEveryMs, nullptr);
    }
}

// The text windows share the client area, stacked; a nested one fills its panel.
void OnSize(HWND frame) {
    RECT area;
    GetClientRect(frame, &area);
    const int count = static_cast<int>(TextWindows.size());
    const int height = count == 0 ? 0 : area.bottom / count;
    for (int i = 0; i < count; ++i) {
        HWND parent = GetParent(TextWindows[i]);
        if (parent != frame) {
            MoveWindow(parent, 0, 0, area.right, area.bottom, TRUE);
        }
        MoveWindow(TextWindows[i], 0, i * height, area.right, height, TRUE);
    }
}

void SetAllTexts(const std::string& text, bool append = false) {
    for (HWND window : TextWindows) {
        TextWindowSet(window, text, append);
    }
}

// Counts a start or stop, publishes the counts once it is handled, and paces
// the practice copy while sending.
void OnStartOrStop(HWND frame, bool start) {
    DelayReply();
    ++(start ? StartsReceived : StopsReceived);
    SetWindowLongPtrA(frame, GWLP_USERDATA, MAKELONG(StartsReceived, StopsReceived));
    Sending = start;
    if (start) {
        SetTimer(frame, TIMER_PACE, Options.paceMs, nullptr);
    } else {
        KillTimer(frame, TIMER_PACE);
    }
}

void OnTimer(HWND frame, UINT_PTR timer) {
    switch (timer) {
    case TIMER_PACE: SetAllTexts(NextPracticePiece(Copy), true); break;
    case TIMER_EXIT: DestroyWindow(frame); break;
    case TIMER_REPLACE:
        SetAllTexts(MakePracticeCopy(Copy, PracticeRandom(Copy, REPLACE_MAX_LENGTH + 1)));
        break;
    default: break;
    }
}

LRESULT OnCopyData(const COPYDATASTRUCT* data) {
    DelayReply();
    if (data == nullptr || data->dwData != STANDIN_COPYDATA_SET_TEXT) {
        return FALSE;
    }
    SetAllTexts(std::string(static_cast<const char*>(data->lpData), data->cbData));
    return TRUE;
}

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: OnCreate(frame); return 0;
    case WM_SIZE: OnSize(frame); return 0;
    case WM_TIMER: OnTimer(frame, wParam); return 0;
    case WM_COPYDATA: return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case STANDIN_MSG_START: OnStartOrStop(frame, true); return 0;
    case STANDIN_MSG_STOP: OnStartOrStop(frame, false); return 0;
    case STANDIN_MSG_QUERY_COUNTS: DelayReply(); return MAKELONG(StartsReceived, StopsReceived);
    case STANDIN_MSG_QUERY_SENDING: DelayReply(); return Sending ? 1 : 0;
    case STANDIN_MSG_QUERY_TEXT_READS: return static_cast<LRESULT>(TextReadsAnswered());
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(frame, message, wParam, lParam);
    }
}

bool RegisterFrameClasses(HINSTANCE instance) {
    WNDCLASSA frameClass{};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    frameClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frameClass.lpszClassName = FRAME_CLASS;
    WNDCLASSA panelClass = frameClass;
    panelClass.lpfnWndProc = DefWindowProcA;
    panelClass.lpszClassName = STANDIN_PANEL_CLASS;
    // Class names are case-insensitive atoms: only one spelling of the text class
    // can be registered in a process, so each mode registers just its own.
    return RegisterClassA(&frameClass) != 0 && RegisterClassA(&panelClass) != 0 &&
           RegisterTextWindowClass(instance, TextClassName());
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    Options = ParseStandinOptions(__argc, __argv);
    if (Options.bare) {
        AppendStartLog();
    }
    Copy = StartPracticeCopy(GetTickCount());
    SetTextReplyDelay(Options.delayMs);
    if (!RegisterFrameClasses(instance)) {
        return 1;
    }
    HWND frame = CreateWindowExA(0, FRAME_CLASS, Options.caption.c_str(), FRAME_STYLE,
                                 CW_USEDEFAULT, CW_USEDEFAULT, FRAME_WIDTH, FRAME_HEIGHT, nullptr,
                                 nullptr, instance, nullptr);
    if (frame == nullptr) {
        return 1;
    }
    ShowWindow(frame, showCommand);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
