#include "sorvane_session.h"

#include "test_files.h"

#include <algorithm>

namespace {

constexpr DWORD LEFTOVER_WAIT_MS = 5000;
constexpr DWORD WINDOW_GONE_WAIT_MS = 5000;
constexpr char EXE_NAME[] = "Sorvane.exe";
constexpr DWORD POLITE_CLOSE_WAIT_MS = 3000;
// A caption one character off the trainer's: such a program counts as not running.
constexpr char LOOKALIKE_CAPTION[] = "Koch Method CW Trainer - Brenlow.";

bool NoWindowWithCaption(const char* caption) {
    return drive::WaitFor([caption] { return drive::FindAnyTopWindow(caption) == nullptr; },
                          LEFTOVER_WAIT_MS);
}

// A trainer that Sorvane launched (Run) is known only by its window.
void KillTrainerProcesses() {
    while (HWND trainer = drive::FindAnyTopWindow(TRAINER_CAPTION)) {
        DWORD processId = 0;
        GetWindowThreadProcessId(trainer, &processId);
        drive::KillProcessById(processId);
        if (!drive::WaitFor([trainer] { return !IsWindow(trainer); }, WINDOW_GONE_WAIT_MS)) {
            return;
        }
    }
}

} // namespace

void SorvaneSession::SetUp() {
    ASSERT_TRUE(NoWindowWithCaption(MAIN_DIALOG_CAPTION)) << "a Sorvane window is left over";
    ASSERT_TRUE(NoWindowWithCaption(TRAINER_CAPTION)) << "a trainer window is left over";
}

// The folders go only once every process that may run from them has ended.
void SorvaneSession::TearDown() {
    drive::CloseProgram(sorvane_, POLITE_CLOSE_WAIT_MS);
    for (drive::Process& other : others_) {
        drive::KillProcess(other);
    }
    others_.clear();
    KillTrainerProcesses();
    EXPECT_TRUE(NoWindowWithCaption(MAIN_DIALOG_CAPTION)) << "a Sorvane window survived the case";
    for (const std::string& folder : folders_) {
        testfiles::RemoveTree(folder);
    }
    folders_.clear();
}

bool SorvaneSession::StartSorvane(const std::string& folder) {
    // A case that ends Sorvane one way after another starts it again each time.
    drive::KillProcess(sorvane_.process);
    std::string exe = drive::PathFromEnvironment(SORVANE_EXE_VARIABLE);
    if (exe.empty()) {
        ADD_FAILURE() << SORVANE_EXE_VARIABLE << " is not set";
        return false;
    }
    if (!folder.empty()) {
        const std::string copy = folder + "\\" + EXE_NAME;
        if (!CopyFileA(exe.c_str(), copy.c_str(), FALSE)) {
            ADD_FAILURE() << "cannot copy " << exe << " to " << copy;
            return false;
        }
        exe = copy;
    }
    sorvane_ = drive::StartProgram(exe, "", MAIN_DIALOG_CAPTION, folder);
    if (sorvane_.process.handle == nullptr) {
        ADD_FAILURE() << "cannot start " << exe;
    }
    return sorvane_.window != nullptr;
}

void SorvaneSession::KillNow(drive::Process& process) {
    others_.erase(
        std::remove_if(others_.begin(), others_.end(),
                       [&](const drive::Process& other) { return other.id == process.id; }),
        others_.end());
    drive::KillProcess(process);
}

::testing::AssertionResult SorvaneSession::EndsWithExitCodeZero() {
    DWORD exitCode = 0;
    if (!WaitSorvaneExit(&exitCode)) {
        return ::testing::AssertionFailure() << "Sorvane is still running";
    }
    if (exitCode != 0) {
        return ::testing::AssertionFailure() << "Sorvane ended with exit code " << exitCode;
    }
    return ::testing::AssertionSuccess();
}

standin::Standin SorvaneSession::StartTrainer(const std::string& arguments,
                                              const std::string& caption) {
    standin::Standin trainer = standin::StartStandin(arguments, caption);
    KillAtEnd(trainer.process);
    return trainer;
}

standin::Standin SorvaneSession::StartWithTrainer(const std::string& arguments) {
    return WithSorvane(StartTrainer(arguments));
}

standin::Standin SorvaneSession::StartWithTrainerText(const std::string& text) {
    standin::Standin trainer = StartTrainer();
    if (trainer.frame != nullptr && !standin::SetStandinText(trainer.frame, text)) {
        ADD_FAILURE() << "the stand-in did not take the text";
        trainer.frame = nullptr;
    }
    return WithSorvane(trainer);
}

standin::Standin SorvaneSession::WithSorvane(standin::Standin trainer) {
    if (trainer.frame != nullptr && !StartSorvane()) {
        ADD_FAILURE() << "Sorvane did not start";
        trainer.frame = nullptr;
    }
    return trainer;
}

standin::Standin SorvaneSession::StartLookalike() {
    return StartTrainer("--caption " + standin::Quoted(LOOKALIKE_CAPTION), LOOKALIKE_CAPTION);
}

void SorvaneSession::StopTrainer(standin::Standin& trainer) {
    KillNow(trainer.process);
    trainer.frame = nullptr;
}

std::string SorvaneSession::TempFolder(const std::string& name) {
    const std::string parent = testfiles::MakeTempFolder();
    folders_.push_back(parent);
    const std::string folder = parent + "\\" + name;
    return !parent.empty() && testfiles::MakeFolders(folder) ? folder : std::string();
}
