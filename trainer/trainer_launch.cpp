// The process side of the trainer link: where this program lives and how the
// trainer beside it is started.
#include "trainer_link.h"

#include <new>
#include <vector>

namespace {

constexpr DWORD MODULE_PATH_FIRST_SIZE = MAX_PATH;
// The longest path the system can hand out, terminating NUL included.
constexpr DWORD MODULE_PATH_MAX_SIZE = 32768;
constexpr size_t COMMAND_LINE_MAX_LENGTH = 32767;
constexpr char PATH_SEPARATOR = '\\';
constexpr char QUOTE = '"';

// Keeps the system from showing a box of its own (missing drive, unreadable
// file) while the trainer is being started.
constexpr UINT LAUNCH_ERROR_MODE = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;

// GetModuleFileNameA fills the whole buffer when the path does not fit, so the
// buffer grows until the path comes back shorter than it.
std::string ModulePath() {
    HMODULE self = GetModuleHandleA(nullptr);
    for (DWORD size = MODULE_PATH_FIRST_SIZE;; size *= 2) {
        if (size > MODULE_PATH_MAX_SIZE) {
            size = MODULE_PATH_MAX_SIZE;
        }
        std::vector<char> buffer(size, '\0');
        const DWORD length = GetModuleFileNameA(self, buffer.data(), size);
        if (length == 0) {
            return {};
        }
        if (length < size) {
            return std::string(buffer.data(), length);
        }
        if (size == MODULE_PATH_MAX_SIZE) {
            return {};
        }
    }
}

} // namespace

std::string ProgramDirectory() {
    const std::string path = ModulePath();
    const size_t separator = path.rfind(PATH_SEPARATOR);
    if (separator == std::string::npos) {
        return {};
    }
    return path.substr(0, separator + 1);
}

std::string TrainerCommandLine(const std::string& directory) {
    // A bare file name would be looked for in the current directory and on the
    // search path, which is not where this program's trainer lies.
    if (directory.empty()) {
        return {};
    }
    // Quoted, so that a space in the path cannot make the system try a shorter
    // program name first ("C:\Program.exe" for "C:\Program Files\...").
    const std::string commandLine = QUOTE + directory + TRAINER_EXE_NAME + QUOTE;
    if (commandLine.size() > COMMAND_LINE_MAX_LENGTH) {
        return {};
    }
    return commandLine;
}

namespace {

DWORD LaunchTrainerBeside() {
    const std::string directory = ProgramDirectory();
    const std::string commandLine = TrainerCommandLine(directory);
    if (commandLine.empty()) {
        return 0;
    }
    const std::string application = directory + TRAINER_EXE_NAME;
    // CreateProcessA may write into its command line, so it gets a copy of its own.
    std::vector<char> writableCommandLine(commandLine.begin(), commandLine.end());
    writableCommandLine.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof(STARTUPINFOA);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};

    const UINT previousErrorMode = SetErrorMode(LAUNCH_ERROR_MODE);
    // No environment block and no directory: the trainer inherits both from this program.
    const BOOL started =
        CreateProcessA(application.c_str(), writableCommandLine.data(), nullptr, nullptr, TRUE,
                       NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &process);
    SetErrorMode(previousErrorMode);
    if (!started) {
        return 0;
    }
    // The trainer's life is its own: nothing here waits for it or watches it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return process.dwProcessId;
}

} // namespace

DWORD LaunchTrainer() {
    // Without memory for the paths nothing is started, which is the silent
    // failure the caller expects.
    try {
        return LaunchTrainerBeside();
    } catch (const std::bad_alloc&) {
        return 0;
    }
}
