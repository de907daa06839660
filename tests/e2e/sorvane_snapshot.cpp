// Takes a picture of Sorvane's window: starts Sorvane.exe, waits for its window,
// writes the window's screen area to a BMP file, closes the window and ends with
// Sorvane's exit code (or 1 when any step failed).
// Usage: sorvane_snapshot SORVANE_EXE OUTPUT_BMP   (Unix or Windows paths)
#include "bench_util.h"
#include "screen_capture.h"

#include <cstdio>
#include <string>

namespace {

constexpr char CAPTION[] = "Sorvane v1.13 by Vantrel - for Brenlow Koch Method CW Trainer v9.1.6";
constexpr int FAILED = 1;
constexpr int EXPECTED_ARGUMENTS = 3;
constexpr DWORD SETTLE_MS = 1000; // lets the window paint itself after it appears
constexpr DWORD EXIT_WAIT_MS = 10000;

// Without a window manager Wine leaves the caption undrawn unless the program's
// windows are marked as not decorated by one; set for Sorvane.exe during the
// picture only, so other runs in the same prefix see the default.
constexpr char DECORATION_KEY[] = "Software\\Wine\\AppDefaults\\Sorvane.exe\\X11 Driver";
constexpr char DECORATED_VALUE[] = "Decorated";
constexpr char NOT_DECORATED[] = "N";

void SetWineDrawsCaption(bool on) {
    if (!on) {
        RegDeleteKeyA(HKEY_CURRENT_USER, DECORATION_KEY);
        return;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, DECORATION_KEY, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(key, DECORATED_VALUE, 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(NOT_DECORATED), sizeof(NOT_DECORATED));
        RegCloseKey(key);
    }
}

bool Capture(HWND window, const std::string& bmpPath) {
    bench::PumpFor(SETTLE_MS);
    RECT area{};
    GetWindowRect(window, &area);
    return CaptureScreenArea(area, bmpPath);
}

int Snapshot(const std::string& exe, const std::string& bmpPath) {
    bench::Process sorvane = bench::StartProcess(exe);
    HWND window = sorvane.handle ? bench::WaitTopWindow(sorvane.id, CAPTION) : nullptr;
    const bool shown = window && bench::WaitFor([window] { return IsWindowVisible(window) != 0; });
    const bool captured = shown && Capture(window, bmpPath);
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD exitCode = FAILED;
    const bool exited = bench::WaitExit(sorvane, EXIT_WAIT_MS, &exitCode);
    bench::KillProcess(sorvane);
    std::printf("window %s, picture %s, exit %s with code %lu\n", shown ? "shown" : "missing",
                captured ? bmpPath.c_str() : "not written", exited ? "clean" : "forced", exitCode);
    return captured && exited ? static_cast<int>(exitCode) : FAILED;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != EXPECTED_ARGUMENTS) {
        std::fprintf(stderr, "usage: sorvane_snapshot SORVANE_EXE OUTPUT_BMP\n");
        return FAILED;
    }
    SetWineDrawsCaption(true);
    const int result = Snapshot(bench::ToWindowsPath(argv[1]), bench::ToWindowsPath(argv[2]));
    SetWineDrawsCaption(false);
    return result;
}
