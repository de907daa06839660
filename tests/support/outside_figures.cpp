#include "outside_figures.h"

#include "main_window.h"
#include "sorvane_facts.h"
#include "test_files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <utility>

namespace perf {

namespace {

constexpr double HALF = 0.5;
// Wine maps the Linux root to Z:, so Linux's /proc is readable as files.
constexpr char PROC_ROOT[] = "Z:\\proc\\";
constexpr char PREFIX_VARIABLE[] = "WINEPREFIX";
constexpr DWORD PID_POLL_MS = 20;
constexpr DWORD LINUX_PID_WAIT_MS = 5000;
constexpr char WINESERVER_NAME[] = "wineserver";
constexpr int STAT_USER_TIME_FIELD = 13;                   // utime, counted from 0 after "(comm)"
constexpr long long NANOSECONDS_PER_CLOCK_TICK = 10000000; // USER_HZ is 100 on x86
constexpr char RSS_KEY[] = "VmRSS:";
constexpr char THREADS_KEY[] = "Threads:";

std::string ProcPath(int linuxPid, const std::string& entry) {
    return PROC_ROOT + std::to_string(linuxPid) + "\\" + entry;
}

// The names of the entries of a Z:\proc folder that are process or thread ids.
std::vector<int> NumericEntries(const std::string& folder) {
    std::vector<int> ids;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return ids;
    }
    do {
        char* end = nullptr;
        const long id = std::strtol(found.cFileName, &end, 10);
        if (end != found.cFileName && *end == '\0') {
            ids.push_back(static_cast<int>(id));
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return ids;
}

// argv[0] ends in the program's file name, after a path separator or quote.
bool CommandLineNames(std::string line, std::string name) {
    CharLowerBuffA(line.data(), static_cast<DWORD>(line.size()));
    CharLowerBuffA(name.data(), static_cast<DWORD>(name.size()));
    for (size_t at = line.find(name); at != std::string::npos; at = line.find(name, at + 1)) {
        const char before = at == 0 ? '\\' : line[at - 1];
        if (before == '\\' || before == '/' || before == '"' || before == ' ') {
            return true;
        }
    }
    return false;
}

bool SharesOurPrefix(int linuxPid) {
    const char* prefix = std::getenv(PREFIX_VARIABLE);
    if (prefix == nullptr || *prefix == '\0') {
        return true; // nothing to tell Wine desktops apart by
    }
    // Each entry of environ ends in a NUL; one in front makes every entry "\0...\0".
    const std::string wanted = '\0' + std::string(PREFIX_VARIABLE) + "=" + prefix + '\0';
    return ('\0' + testfiles::ReadBytes(ProcPath(linuxPid, "environ"))).find(wanted) !=
           std::string::npos;
}

// The value after `key` on its line of a /proc status file.
long long StatusValue(int linuxPid, const char* key) {
    const std::string status = testfiles::ReadBytes(ProcPath(linuxPid, "status"));
    const size_t at = status.find(key);
    return at == std::string::npos ? NOT_REPORTED
                                   : std::atoll(status.c_str() + at + std::strlen(key));
}

// The first field of schedstat: nanoseconds spent running.
long long ThreadRunNanoseconds(int linuxPid, int threadId) {
    std::istringstream fields(testfiles::ReadBytes(
        ProcPath(linuxPid, "task\\" + std::to_string(threadId) + "\\schedstat")));
    long long value = NOT_REPORTED;
    return fields >> value ? value : NOT_REPORTED;
}

// Fallback at 10 ms resolution: utime + stime of the whole process.
long long StatNanoseconds(int linuxPid) {
    const std::string stat = testfiles::ReadBytes(ProcPath(linuxPid, "stat"));
    const size_t close = stat.rfind(')');
    if (close == std::string::npos) {
        return NOT_REPORTED;
    }
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    long long user = 0;
    long long system = 0;
    for (int i = 2; i < STAT_USER_TIME_FIELD && fields >> field; ++i) {
    }
    fields >> user >> system;
    return fields ? (user + system) * NANOSECONDS_PER_CLOCK_TICK : NOT_REPORTED;
}

long long LinuxFileCount(int linuxPid) {
    const std::vector<int> files = NumericEntries(ProcPath(linuxPid, "fd\\"));
    return files.empty() ? NOT_REPORTED : static_cast<long long>(files.size());
}

// Every window program holds GDI and USER objects; 0 is Wine's stub answer.
long long GuiObjectCount(HANDLE process, DWORD kind) {
    const DWORD count = GetGuiResources(process, kind);
    return count == 0 ? NOT_REPORTED : static_cast<long long>(count);
}

// Counts the windows of the process whose id comes first in the pair.
BOOL CALLBACK CountWindow(HWND window, LPARAM lParam) {
    auto* tally = reinterpret_cast<std::pair<DWORD, long long>*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    tally->second += owner == tally->first ? 1 : 0;
    return TRUE;
}

// The process's top-level windows and all their descendants: the desktop's
// children, enumerated to every depth.
long long WindowCount(DWORD processId) {
    std::pair<DWORD, long long> tally{processId, 0};
    EnumChildWindows(GetDesktopWindow(), CountWindow, reinterpret_cast<LPARAM>(&tally));
    return tally.second;
}

constexpr DWORD ANSWER_POLL_MS = 1;
constexpr DWORD PRESS_ANSWER_TIMEOUT_MS = 20000;
// Presses that fall this far behind their schedule are given up, so a companion
// that answers slowly ends a soak in bounded time.
constexpr double OVERRUN_FACTOR = 2.0;
// A rest after the last press, so "after" does not catch its work half done.
constexpr DWORD SETTLE_MS = 2000;

// `presses` presses spread evenly over `durationMs`; returns when the time is
// up. Returns the number of presses that were answered.
int PressEvenly(HWND window, int presses, DWORD durationMs) {
    const double start = NowMs();
    const double interval = presses > 0 ? static_cast<double>(durationMs) / presses : 0.0;
    int answered = 0;
    for (int i = 0; i < presses && NowMs() - start < durationMs * OVERRUN_FACTOR; ++i) {
        while (NowMs() - start < interval * i) {
            Sleep(ANSWER_POLL_MS);
        }
        if (PressCompareTimed(window) >= 0) {
            ++answered;
        }
    }
    while (NowMs() - start < durationMs) {
        Sleep(ANSWER_POLL_MS);
    }
    return answered;
}

} // namespace

double NowMs() {
    static LARGE_INTEGER rate = [] {
        LARGE_INTEGER r;
        QueryPerformanceFrequency(&r);
        return r;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * MS_PER_SECOND / static_cast<double>(rate.QuadPart);
}

double Median(std::vector<double> samples) {
    if (samples.empty()) {
        return 0.0;
    }
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 == 1 ? samples[middle]
                                   : (samples[middle - 1] + samples[middle]) * HALF;
}

std::vector<int> LinuxPidsRunning(const std::string& exeName) {
    std::vector<int> pids;
    for (int pid : NumericEntries(PROC_ROOT)) {
        std::string commandLine = testfiles::ReadBytes(ProcPath(pid, "cmdline"));
        std::replace(commandLine.begin(), commandLine.end(), '\0', ' ');
        if (CommandLineNames(commandLine, exeName) && SharesOurPrefix(pid)) {
            pids.push_back(pid);
        }
    }
    return pids;
}

int LinuxPidOfStart(const std::string& exeName, const std::function<bool()>& start) {
    const std::vector<int> before = LinuxPidsRunning(exeName);
    if (!start()) {
        return 0;
    }
    const DWORD started = GetTickCount();
    do {
        std::vector<int> fresh;
        for (int pid : LinuxPidsRunning(exeName)) {
            if (std::find(before.begin(), before.end(), pid) == before.end()) {
                fresh.push_back(pid);
            }
        }
        if (fresh.size() == 1) {
            return fresh.front();
        }
        Sleep(PID_POLL_MS);
    } while (GetTickCount() - started < LINUX_PID_WAIT_MS);
    return 0;
}

int WineserverPid() {
    const std::vector<int> pids = LinuxPidsRunning(WINESERVER_NAME);
    return pids.size() == 1 ? pids.front() : 0;
}

long long CpuNanoseconds(int linuxPid) {
    long long total = 0;
    const std::vector<int> threads = NumericEntries(ProcPath(linuxPid, "task\\"));
    for (int thread : threads) {
        const long long run = ThreadRunNanoseconds(linuxPid, thread);
        if (run == NOT_REPORTED) {
            return StatNanoseconds(linuxPid);
        }
        total += run;
    }
    return threads.empty() ? StatNanoseconds(linuxPid) : total;
}

// A running process always holds handles: Wine answers 0 for every process, so
// 0 means the figure is not reported.
long long HandleCount(HANDLE process) {
    DWORD count = 0;
    return GetProcessHandleCount(process, &count) && count != 0 ? static_cast<long long>(count)
                                                                : NOT_REPORTED;
}

ResourceSnapshot TakeSnapshot(HANDLE process, DWORD processId, int linuxPid) {
    return {StatusValue(linuxPid, RSS_KEY),
            HandleCount(process),
            GuiObjectCount(process, GR_GDIOBJECTS),
            GuiObjectCount(process, GR_USEROBJECTS),
            WindowCount(processId),
            StatusValue(linuxPid, THREADS_KEY),
            LinuxFileCount(linuxPid)};
}

void PrintSnapshot(const char* prefix, const ResourceSnapshot& snapshot) {
    for (size_t i = 0; i < snapshot.size(); ++i) {
        std::printf("RESULT %s_%s %lld\n", prefix, SNAPSHOT_FIGURES[i], snapshot[i]);
    }
}

double PressCompareTimed(HWND window) {
    double clicked = 0.0;
    return drive::PressCompare(window, PRESS_ANSWER_TIMEOUT_MS, ANSWER_POLL_MS,
                               [&clicked] { clicked = NowMs(); })
               ? NowMs() - clicked
               : -1.0;
}

bool RunSoak(const drive::Program& sorvane, int linuxPid, const std::string& trainerText,
             const SoakPlan& plan, SoakResult* result) {
    result->text = trainerText.substr(0, TRAINER_READ_LIMIT);
    if (result->text.empty()) {
        return false;
    }
    drive::SetWindowTextAcross(GetDlgItem(sorvane.window, ID_TYPED_TEXT), result->text);
    result->warmUpAnswered = PressEvenly(sorvane.window, plan.warmUpPresses, plan.warmUpMs);
    result->before = TakeSnapshot(sorvane.process.handle, sorvane.process.id, linuxPid);
    result->answered = PressEvenly(sorvane.window, plan.presses, plan.durationMs);
    Sleep(SETTLE_MS);
    result->after = TakeSnapshot(sorvane.process.handle, sorvane.process.id, linuxPid);
    return true;
}

} // namespace perf
