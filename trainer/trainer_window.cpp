// The window side of the trainer link: finding the trainer, reading its text and
// commanding it, all through synchronous messages to another process.
#include "trainer_link.h"

#include <cstring>
#include <new>

namespace {

// WM_GETTEXT may fill the whole buffer but one byte, which stays the final NUL
// even when the trainer's window procedure oversteps its count.
constexpr WPARAM TEXT_READ_COUNT = TEXT_BUFFER_SIZE - 1;
constexpr int CLASS_NAME_BUFFER_SIZE = 100;

constexpr char COMMAND_START[] = "Start";
constexpr char COMMAND_STOP[] = "Stop";

constexpr char NOT_RUNNING_TEXT[] = "Koch Method CW Trainer Is Not Running";
constexpr char NOT_RUNNING_CAPTION[] = "ERROR";
// A single OK button, the stop icon, and topmost so it is seen over the trainer's
// absence rather than behind some other window.
constexpr UINT NOT_RUNNING_STYLE = MB_OK | MB_ICONHAND | MB_SYSTEMMODAL;

bool IsTransmittedTextWindow(HWND child) {
    char className[CLASS_NAME_BUFFER_SIZE] = {};
    GetClassNameA(child, className, CLASS_NAME_BUFFER_SIZE);
    return std::strcmp(className, TRAINER_TEXT_CLASS) == 0;
}

} // namespace

HWND FindTrainerWindow() {
    return FindWindowA(nullptr, TRAINER_CAPTION);
}

std::string ReadTransmittedText() {
    // On the stack: 28 KB read every 50 ms need no heap until the text is returned.
    char text[TEXT_BUFFER_SIZE] = {};
    HWND trainer = FindTrainerWindow();
    if (trainer == nullptr) {
        return {};
    }
    // The whole walk runs even after a match: the last matching child wins.
    for (HWND child = FindWindowExA(trainer, nullptr, nullptr, nullptr); child != nullptr;
         child = FindWindowExA(trainer, child, nullptr, nullptr)) {
        if (IsTransmittedTextWindow(child)) {
            SendMessageA(child, WM_GETTEXT, TEXT_READ_COUNT, reinterpret_cast<LPARAM>(text));
        }
    }
    // Without memory for the copy the text is empty, as it is without a trainer;
    // nothing may unwind into the timer's caller, the window system.
    try {
        return text;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

void SendTrainerCommand(const std::string& word) {
    HWND trainer = FindTrainerWindow();
    if (trainer == nullptr) {
        // No owner: the box must not disable the caller's window.
        MessageBoxA(nullptr, NOT_RUNNING_TEXT, NOT_RUNNING_CAPTION, NOT_RUNNING_STYLE);
        return;
    }
    if (word == COMMAND_START) {
        SendMessageA(trainer, TRAINER_MSG_START, 0, 0);
    } else if (word == COMMAND_STOP) {
        SendMessageA(trainer, TRAINER_MSG_STOP, 0, 0);
    }
}
