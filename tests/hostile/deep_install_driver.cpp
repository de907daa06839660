// Drives a Sorvane.exe that deep_install.sh started from a folder deeper than
// 260 characters (CreateProcess cannot start it from there, so this program
// cannot either): presses Run and checks that the KochMorseTrainer.exe beside
// it started, or nothing did, and never the decoy planted in PARENT. Then
// closes Sorvane. Exits 0 when everything held, 1 otherwise, and says why.
// Usage: deep_install_driver FOLDER PARENT   (Windows paths)
#include "drive.h"
#include "launch_decoy.h"
#include "main_window.h"
#include "standin_protocol.h"
#include "test_files.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int EXPECTED_ARGUMENTS = 3;
constexpr DWORD SORVANE_WAIT_MS = 30000;
constexpr DWORD LAUNCH_LOOK_MS = 3000;

bool Check(bool held, const char* what) {
    if (!held) {
        std::fprintf(stderr, "deep_install_driver: %s\n", what);
    }
    return held;
}

// The trainer, if one started, is the one beside Sorvane; it is ended here.
bool RightTrainerOrNothing(const std::string& folder) {
    HWND trainer = drive::WaitTopWindow(0, STANDIN_CAPTION, LAUNCH_LOOK_MS);
    if (trainer == nullptr) {
        std::printf("Run started nothing\n");
        return true;
    }
    const std::string log = testfiles::ReadBytes(folder + "\\" + STANDIN_INSTALLED_LOG_NAME);
    const std::string expected =
        std::string(STANDIN_LOG_PATH_KEY) + folder + "\\" + STANDIN_INSTALLED_NAME;
    DWORD trainerId = 0;
    GetWindowThreadProcessId(trainer, &trainerId);
    drive::KillProcessById(trainerId);
    std::printf("Run started the trainer beside Sorvane\n");
    return Check(log.find(expected) != std::string::npos, "another trainer started");
}

int Drive(const std::string& folder, const std::string& parent) {
    HWND window = drive::WaitTopWindow(0, MAIN_DIALOG_CAPTION, SORVANE_WAIT_MS);
    if (!Check(window != nullptr, "Sorvane's window did not appear")) {
        return EXIT_FAILURE;
    }
    DWORD sorvaneId = 0;
    GetWindowThreadProcessId(window, &sorvaneId);
    drive::SendClick(window, ID_RUN);
    bool held = RightTrainerOrNothing(folder);
    drive::PumpFor(LAUNCH_LOOK_MS);
    held = Check(!testfiles::Exists(parent + "\\" + DECOY_MARKER_NAME), "the decoy ran") && held;
    held = Check(drive::FindMessageBox(sorvaneId) == nullptr, "a message box opened") && held;
    held = Check(drive::Answers(window), "Sorvane stopped answering") && held;
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return held ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != EXPECTED_ARGUMENTS) {
        std::fprintf(stderr, "usage: deep_install_driver FOLDER PARENT\n");
        return EXIT_FAILURE;
    }
    const int result = Drive(argv[1], argv[2]);
    std::fflush(stdout);
    return result;
}
