#include "standin_client.h"

#include <cstring>

namespace standin {

namespace {
constexpr DWORD QUERY_TIMEOUT_MS = 10000;
constexpr WORD UNANSWERED = 0xFFFF;

// Bounded, so a stand-in that hangs fails the test instead of stalling it; false
// when the frame did not answer.
bool Ask(HWND frame, UINT message, LPARAM lParam, DWORD_PTR* result) {
    return SendMessageTimeoutA(frame, message, 0, lParam, SMTO_NORMAL, QUERY_TIMEOUT_MS, result) !=
           0;
}
} // namespace

std::string StandinPath() {
    return drive::PathFromEnvironment(PATH_VARIABLE);
}

Standin StartStandin(const std::string& arguments, const std::string& caption) {
    const drive::Program started = drive::StartProgram(StandinPath(), arguments, caption);
    return {started.process, started.window};
}

void StopStandin(Standin& standin) {
    drive::KillProcess(standin.process);
    standin.frame = nullptr;
}

MessageCounts QueryCounts(HWND frame) {
    DWORD_PTR result = 0;
    const bool answered = Ask(frame, STANDIN_MSG_QUERY_COUNTS, 0, &result) &&
                          (LOWORD(result) != UNANSWERED || HIWORD(result) != UNANSWERED);
    return answered ? MessageCounts{LOWORD(result), HIWORD(result)} : UNANSWERED_COUNTS;
}

MessageCounts PublishedCounts(HWND frame) {
    const LONG_PTR counts = GetWindowLongPtrA(frame, GWLP_USERDATA);
    return {LOWORD(counts), HIWORD(counts)};
}

bool QuerySending(HWND frame) {
    DWORD_PTR result = 0;
    return Ask(frame, STANDIN_MSG_QUERY_SENDING, 0, &result) && result == 1;
}

long QueryTextReads(HWND frame) {
    DWORD_PTR result = 0;
    return Ask(frame, STANDIN_MSG_QUERY_TEXT_READS, 0, &result) ? static_cast<long>(result) : -1;
}

bool SetStandinText(HWND frame, const std::string& bytes) {
    COPYDATASTRUCT data{STANDIN_COPYDATA_SET_TEXT, static_cast<DWORD>(bytes.size()),
                        const_cast<char*>(bytes.data())};
    DWORD_PTR result = 0;
    return Ask(frame, WM_COPYDATA, reinterpret_cast<LPARAM>(&data), &result) && result == TRUE;
}

std::vector<HWND> DirectChildren(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = FindWindowExA(parent, nullptr, nullptr, nullptr); child != nullptr;
         child = FindWindowExA(parent, child, nullptr, nullptr)) {
        children.push_back(child);
    }
    return children;
}

HWND OnlyChild(HWND parent) {
    const std::vector<HWND> children = DirectChildren(parent);
    return children.size() == 1 ? children[0] : nullptr;
}

std::string Quoted(const std::string& argument) {
    return "\"" + argument + "\"";
}

std::string LogValue(const std::string& log, const char* key) {
    const size_t start = log.find(key);
    if (start == std::string::npos) {
        return {};
    }
    const size_t value = start + std::strlen(key);
    return log.substr(value, log.find("\r\n", value) - value);
}

} // namespace standin
