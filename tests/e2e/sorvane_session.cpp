#include "sorvane_session.h"

#include "test_files.h"

namespace {

constexpr DWORD POLITE_CLOSE_WAIT_MS = 3000;

} // namespace

void SorvaneSession::SetUp() {
    ASSERT_TRUE(drive::WaitNoTopWindow(MAIN_DIALOG_CAPTION)) << "a Sorvane window is left over";
    ASSERT_TRUE(drive::WaitNoTopWindow(STANDIN_CAPTION)) << "a trainer window is left over";
}

// The folders go only once every process that may run from them has ended.
void SorvaneSession::TearDown() {
    drive::CloseProgram(sorvane_, POLITE_CLOSE_WAIT_MS);
    started_.KillAll();
    // A trainer that Sorvane launched (Run) is known only by its window.
    drive::KillProgramsShowing(STANDIN_CAPTION);
    EXPECT_TRUE(drive::WaitNoTopWindow(MAIN_DIALOG_CAPTION))
        << "a Sorvane window survived the case";
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
        const std::string copy = folder + "\\" + SORVANE_EXE_NAME;
        if (!CopyFileA(exe.c_str(), copy.c_str(), FALSE)) {
            ADD_FAILURE() << "cannot copy " << exe << " to " << copy;
            return false;
        }
        exe = copy;
    }
    sorvane_ = drive::StartProgram(exe, "", MAIN_DIALOG_CAPTION, folder);
    if (sorvane_.process.handle == nullptr) {
        ADD_FAILURE() << "cannot start " << exe << " (error " << GetLastError() << ")";
    }
    return sorvane_.window != nullptr;
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

standin::Standin SorvaneSession::StartWithTrainer(const std::string& arguments) {
    return WithSorvane(StartTrainer(arguments));
}

standin::Standin SorvaneSession::StartWithTrainerText(const std::string& text) {
    standin::Standin trainer = StartTrainer();
    if (trainer.window != nullptr && !standin::SetStandinText(trainer.window, text)) {
        ADD_FAILURE() << "the stand-in did not take the text";
        trainer.window = nullptr;
    }
    return WithSorvane(trainer);
}

standin::Standin SorvaneSession::WithSorvane(standin::Standin trainer) {
    if (trainer.window != nullptr && !StartSorvane()) {
        ADD_FAILURE() << "Sorvane did not start";
        trainer.window = nullptr;
    }
    return trainer;
}

std::string SorvaneSession::TempFolder(const std::string& name) {
    const std::string parent = testfiles::MakeTempFolder();
    folders_.push_back(parent);
    const std::string folder = parent + "\\" + name;
    return !parent.empty() && testfiles::MakeFolders(folder) ? folder : std::string();
}
