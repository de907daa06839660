// Drives a Sorvane.exe that deep_install.sh started from a folder deeper than
// 260 characters (CreateProcess cannot start it from there, so this program
// cannot either): presses Run and checks that the KochMorseTrainer.exe beside
// it started, or nothing did, and never the decoy planted in PARENT. Then
// closes Sorvane. Exits 0 when everything held, 1 otherwise, and says why.
// Usage: deep_install_driver FOLDER PARENT   (Windows paths)
#include "drive.h"
#include "main_window.h"
#include "run_outcome.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int EXPECTED_ARGUMENTS = 3;
constexpr DWORD SORVANE_WAIT_MS = 30000;

int Drive(const std::string& folder, const std::string& parent) {
    HWND window = drive::WaitTopWindow(0, MAIN_DIALOG_CAPTION, SORVANE_WAIT_MS);
    if (window == nullptr) {
        std::fprintf(stderr, "deep_install_driver: Sorvane's window did not appear\n");
        return EXIT_FAILURE;
    }
    drive::SendClick(window, ID_RUN);
    const RunOutcome outcome = CheckRunOutcome(window, folder, parent, false);
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    std::printf("Run started %s\n",
                outcome.trainerStarted ? "the trainer beside Sorvane" : "nothing");
    if (!outcome.problems.empty()) {
        std::fprintf(stderr, "deep_install_driver: %s\n", outcome.problems.c_str());
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
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
