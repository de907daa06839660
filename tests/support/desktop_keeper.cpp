// Keeps one hidden window alive for the whole Wine desktop. Wine's desktop process exits
// when the last program with a window ends, and restarting it costs about 10 s on
// the next window creation; with this resident, every test starts warm. Runs
// until the desktop's wineserver is killed.
#include <windows.h>

namespace {
constexpr char KEEPER_CLASS[] = "SorvaneDesktopKeeper";
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = KEEPER_CLASS;
    RegisterClassA(&windowClass);
    if (CreateWindowExA(0, KEEPER_CLASS, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance,
                        nullptr) == nullptr) {
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}
