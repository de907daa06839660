#include "run_outcome.h"

#include "drive.h"
#include "launch_decoy.h"
#include "standin_client.h"
#include "test_files.h"

namespace {

// How long a launch that may happen is looked for (slower from the deepest
// folders), and then how long a wrong one may take to leave its mark.
constexpr DWORD LAUNCH_LOOK_MS = 3000;

// The trainer, if one started, must be the one beside Sorvane; it is ended here.
RunOutcome CheckTrainer(const std::string& folder, DWORD waitMs) {
    HWND trainer = drive::WaitTopWindow(0, STANDIN_CAPTION, waitMs);
    if (trainer == nullptr) {
        return {};
    }
    const std::string log = testfiles::ReadBytes(folder + "\\" + STANDIN_INSTALLED_LOG_NAME);
    const std::string started = standin::LogValue(log, STANDIN_LOG_PATH_KEY);
    drive::KillProgramsShowing(STANDIN_CAPTION);
    if (started != folder + "\\" + STANDIN_INSTALLED_NAME) {
        return {true, "Run started another trainer: " + started + ". "};
    }
    return {true, ""};
}

} // namespace

RunOutcome CheckRunOutcome(HWND sorvane, const std::string& folder, const std::string& parent,
                           bool trainerMustStart) {
    RunOutcome outcome =
        CheckTrainer(folder, trainerMustStart ? drive::DEFAULT_WAIT_MS : LAUNCH_LOOK_MS);
    drive::PumpFor(LAUNCH_LOOK_MS);
    if (testfiles::Exists(parent + "\\" + DECOY_NAME + DECOY_MARKER_EXTENSION)) {
        outcome.problems += "The decoy ran. ";
    }
    DWORD sorvaneId = 0;
    GetWindowThreadProcessId(sorvane, &sorvaneId);
    if (drive::CountMessageBoxes(sorvaneId) != 0) {
        outcome.problems += "A message box opened. ";
    }
    if (!drive::Answers(sorvane)) {
        outcome.problems += "Sorvane stopped answering. ";
    }
    return outcome;
}
