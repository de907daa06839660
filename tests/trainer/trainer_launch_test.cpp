// Where the program lives and how the trainer beside it is started. Launches
// run through launch_probe.exe copied into prepared folders, since the link
// starts the trainer from the running executable's own folder.
#include "trainer_test_fixture.h"

#include "launch_decoy.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <sstream>

namespace {

constexpr char PROBE_VARIABLE[] = "LAUNCH_PROBE_EXE";
constexpr char PROBE_NAME[] = "launch_probe.exe";
constexpr DWORD PROBE_WAIT_MS = 15000;
constexpr char CALLER_FOLDER[] = "caller";
constexpr char OUTPUT_NAME[] = "probe.txt";
constexpr DWORD DECOY_LOOK_MS = 500;
constexpr char TEST_DIR_VARIABLE[] = "TRAINER_TEST_DIR";
constexpr char CALLERS_OWN_ERROR_MODE[] = "0x0";
constexpr char FLAG_GIVEN[] = "1";
// The command line's length: a long directory, and the system's limit.
constexpr size_t LONG_DIRECTORY_LENGTH = 300;
constexpr size_t COMMAND_LINE_LIMIT = 32767;
constexpr size_t QUOTES = 2;
// Enough fresh handles to cover every slot a launch could leave taken.
constexpr int HANDLE_SLOTS_WATCHED = 16;

struct ProbeResult {
    std::string errorMode;
    std::vector<DWORD> processIds;
};

// Visible top-level windows, to tell that a call showed nothing.
std::vector<HWND> VisibleTopWindows() {
    std::vector<HWND> windows = drive::DirectChildren(GetDesktopWindow());
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [](HWND window) { return !IsWindowVisible(window); }),
                  windows.end());
    std::sort(windows.begin(), windows.end());
    return windows;
}

// The values the next new handles of this process get. Wine hands a freed value
// out again, so a call that leaves a handle open changes them.
std::vector<HANDLE> NextHandleValues() {
    std::vector<HANDLE> handles;
    for (int i = 0; i < HANDLE_SLOTS_WATCHED; ++i) {
        handles.push_back(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    }
    for (HANDLE handle : handles) {
        CloseHandle(handle);
    }
    std::sort(handles.begin(), handles.end());
    return handles;
}

} // namespace

class TrainerLaunch : public TrainerLinkTest {
  protected:
    void SetUp() override {
        TrainerLinkTest::SetUp();
        probe = drive::PathFromEnvironment(PROBE_VARIABLE);
        decoy = drive::PathFromEnvironment(DECOY_VARIABLE);
        ASSERT_FALSE(probe.empty());
        ASSERT_FALSE(decoy.empty());
        root = TempFolder();
        ASSERT_FALSE(root.empty());
        caller = root + "\\" + CALLER_FOLDER;
        ASSERT_TRUE(testfiles::MakeFolders(caller));
    }

    // A folder holding the probe, and the stand-in as the trainer unless told otherwise.
    std::string PrepareFolder(const std::string& folder, bool withTrainer) {
        EXPECT_TRUE(testfiles::MakeFolders(folder));
        EXPECT_TRUE(testfiles::CopyTo(probe, folder + "\\" + PROBE_NAME));
        if (withTrainer) {
            EXPECT_TRUE(
                testfiles::CopyTo(standin::StandinPath(), folder + "\\" + STANDIN_INSTALLED_NAME));
        }
        return folder + "\\" + PROBE_NAME;
    }

    // Runs the probe from the spaced folder, which is made first, for `launches` launches.
    ProbeResult Probe(int launches, bool withTrainer = true) {
        const std::string output = root + "\\" + OUTPUT_NAME;
        drive::Process process =
            drive::StartProcess(PrepareFolder(Spaced(), withTrainer),
                                standin::Quoted(output) + " " + std::to_string(launches), caller);
        DWORD exitCode = 1;
        EXPECT_TRUE(drive::WaitExit(process, PROBE_WAIT_MS, &exitCode) && exitCode == 0);
        drive::KillProcess(process);
        std::istringstream lines(testfiles::ReadBytes(output));
        // The directory line is checked where the probe lies deeper than 260 characters.
        lines.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        ProbeResult result;
        std::getline(lines, result.errorMode);
        for (DWORD processId = 0; lines >> processId;) {
            result.processIds.push_back(processId);
            processes.Add(processId);
        }
        return result;
    }

    // The "Sor vane" folder, where the decoy in root would catch an unquoted launch.
    std::string Spaced() const { return root + "\\" + DECOY_SPACED_FOLDER; }

    std::string probe;
    std::string decoy;
    std::string root;
    std::string caller;
};

// The program directory is this program's folder with a backslash (one deeper
// than 260 characters is checked by deep_program_directory.sh: CreateProcess
// cannot start it, under Wine as under Windows without long paths). The command
// line is whole, quoted and uncut for a 300-character directory; there is none
// for an empty directory or beyond the system's limit.
TEST_F(TrainerLaunch, ProgramDirectoryAndTheCommandLineWholeAndQuotedUpToTheSystemsLimit) {
    const std::string expected = drive::PathFromEnvironment(TEST_DIR_VARIABLE);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(ProgramDirectory(), expected + "\\");
    const std::string directory = "C:\\" + std::string(LONG_DIRECTORY_LENGTH - 4, 'd') + "\\";
    ASSERT_EQ(directory.size(), LONG_DIRECTORY_LENGTH);
    EXPECT_EQ(TrainerCommandLine(directory), "\"" + directory + KOCH_TRAINER_EXE_NAME + "\"");
    EXPECT_EQ(TrainerCommandLine(""), "");
    const size_t fixedPart = std::strlen(KOCH_TRAINER_EXE_NAME) + QUOTES;
    const std::string longest = std::string(COMMAND_LINE_LIMIT - fixedPart - 1, 'd') + "\\";
    EXPECT_EQ(TrainerCommandLine(longest).size(), COMMAND_LINE_LIMIT);
    EXPECT_EQ(TrainerCommandLine("d" + longest), "");
}

// The trainer beside a program in "...\Sor vane\" starts with the caller's current
// directory, shown normally, and "...\Sor.exe" is never run in its place. Two
// launches in a row start two processes. The launch turns the system's own error
// boxes off only for the time of the call and gives the caller its own mode back.
// Windows hands the mode in force to the new process, so the trainer starts with
// 0x8001; Wine does not (the trainer logs 0), so that part is not checked here.
TEST_F(TrainerLaunch, FromAFolderWithASpaceTheRightProgramStartsTwiceAndModeIsRestored) {
    ASSERT_TRUE(testfiles::CopyTo(decoy, root + "\\" + DECOY_NAME));
    const ProbeResult result = Probe(2);
    EXPECT_EQ(result.errorMode, CALLERS_OWN_ERROR_MODE);
    ASSERT_EQ(result.processIds.size(), 2u);
    EXPECT_NE(result.processIds[0], result.processIds[1]);
    for (const DWORD trainerId : result.processIds) {
        ASSERT_NE(trainerId, 0u);
        HWND trainer = drive::WaitTopWindow(trainerId, STANDIN_CAPTION);
        ASSERT_NE(trainer, nullptr);
        EXPECT_TRUE(IsWindowVisible(trainer));
        EXPECT_FALSE(IsIconic(trainer));
    }
    const std::string log = testfiles::ReadBytes(Spaced() + "\\" + STANDIN_INSTALLED_LOG_NAME);
    EXPECT_EQ(standin::LogValue(log, STANDIN_LOG_DIRECTORY_KEY), caller) << log;
    EXPECT_EQ(standin::LogValue(log, STANDIN_LOG_PATH_KEY), Spaced() + "\\" + KOCH_TRAINER_EXE_NAME)
        << log;
    EXPECT_EQ(standin::LogValue(log, STANDIN_LOG_USES_SHOW_KEY), FLAG_GIVEN) << log;
    EXPECT_EQ(standin::LogValue(log, STANDIN_LOG_SHOW_COMMAND_KEY), std::to_string(SW_SHOWNORMAL))
        << log;
    drive::PumpFor(DECOY_LOOK_MS);
    EXPECT_FALSE(testfiles::Exists(root + "\\" + DECOY_NAME + DECOY_MARKER_EXTENSION));
}

// The trap above is real: the same folders with an unquoted command line and no
// application name run the decoy.
TEST_F(TrainerLaunch, AnUnquotedCommandLineWouldRunTheDecoy) {
    PrepareFolder(Spaced(), true);
    ASSERT_TRUE(testfiles::CopyTo(decoy, root + "\\" + DECOY_NAME));
    std::string commandLine = Spaced() + "\\" + KOCH_TRAINER_EXE_NAME;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               caller.c_str(), &startup, &info));
    CloseHandle(info.hThread);
    drive::Process started{info.hProcess, info.dwProcessId};
    EXPECT_TRUE(drive::WaitExit(started, PROBE_WAIT_MS, nullptr));
    drive::KillProcess(started);
    EXPECT_TRUE(testfiles::Exists(root + "\\" + DECOY_NAME + DECOY_MARKER_EXTENSION));
    EXPECT_FALSE(testfiles::Exists(Spaced() + "\\" + STANDIN_INSTALLED_LOG_NAME));
}

// The trainer's life is its own: the launch keeps neither of its handles. The
// stand-in is placed beside this test's own executable for the time of the case.
TEST_F(TrainerLaunch, TheLaunchLeavesNoHandleOpen) {
    const std::string installed = ProgramDirectory() + STANDIN_INSTALLED_NAME;
    const bool placed = !testfiles::Exists(installed);
    if (placed) {
        ASSERT_TRUE(testfiles::CopyTo(standin::StandinPath(), installed));
    }
    const std::vector<HANDLE> before = NextHandleValues();
    const DWORD started = LaunchTrainer();
    const std::vector<HANDLE> after = NextHandleValues();
    drive::KillProcessById(started);
    if (placed) {
        // The file stays in use until the killed process has let go of it.
        EXPECT_TRUE(drive::WaitFor([&] { return DeleteFileA(installed.c_str()) != 0; }));
        DeleteFileA((ProgramDirectory() + STANDIN_INSTALLED_LOG_NAME).c_str());
    }
    EXPECT_NE(started, 0u);
    EXPECT_EQ(after, before);
}

// A failed start gives the caller its error mode back too.
TEST_F(TrainerLaunch, WithTheExecutableMissingNothingStartsNothingShowsAndModeIsRestored) {
    ASSERT_FALSE(testfiles::Exists(ProgramDirectory() + KOCH_TRAINER_EXE_NAME));
    const std::vector<HWND> before = VisibleTopWindows();
    const UINT callersMode = SetErrorMode(0);
    const DWORD started = LaunchTrainer();
    const UINT modeAfter = GetErrorMode();
    SetErrorMode(callersMode);
    processes.Add(started);
    EXPECT_EQ(started, 0u);
    EXPECT_EQ(modeAfter, 0u);
    EXPECT_EQ(Probe(1, false).processIds, std::vector<DWORD>{0});
    drive::PumpFor(DECOY_LOOK_MS);
    EXPECT_EQ(VisibleTopWindows(), before);
    EXPECT_EQ(FindTrainerWindow(), nullptr);
}
