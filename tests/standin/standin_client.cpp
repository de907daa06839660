#include "standin_client.h"

#include <cstring>

namespace standin {

namespace {
constexpr WORD UNANSWERED = 0xFFFF;
constexpr char LOOKALIKE_CAPTION[] = "Koch Method CW Trainer - Brenlow.";
} // namespace

std::string StandinPath() {
    return drive::PathFromEnvironment(PATH_VARIABLE);
}

Standin StartStandin(const std::string& arguments, const std::string& caption) {
    return drive::StartProgram(StandinPath(), arguments, caption);
}

Standin StartLookalike(const std::string& arguments) {
    return StartStandin(arguments + " --caption " + Quoted(LOOKALIKE_CAPTION), LOOKALIKE_CAPTION);
}

MessageCounts QueryCounts(HWND frame) {
    DWORD_PTR result = 0;
    const bool answered = drive::SendWithin(frame, STANDIN_MSG_QUERY_COUNTS, 0, 0, &result) &&
                          (LOWORD(result) != UNANSWERED || HIWORD(result) != UNANSWERED);
    return answered ? MessageCounts{LOWORD(result), HIWORD(result)} : UNANSWERED_COUNTS;
}

MessageCounts PublishedCounts(HWND frame) {
    const LONG_PTR counts = GetWindowLongPtrA(frame, GWLP_USERDATA);
    return {LOWORD(counts), HIWORD(counts)};
}

bool QuerySending(HWND frame) {
    DWORD_PTR result = 0;
    return drive::SendWithin(frame, STANDIN_MSG_QUERY_SENDING, 0, 0, &result) && result == 1;
}

long QueryTextReads(HWND frame) {
    DWORD_PTR result = 0;
    return drive::SendWithin(frame, STANDIN_MSG_QUERY_TEXT_READS, 0, 0, &result)
               ? static_cast<long>(result)
               : -1;
}

bool SetStandinText(HWND frame, const std::string& bytes) {
    COPYDATASTRUCT data{STANDIN_COPYDATA_SET_TEXT, static_cast<DWORD>(bytes.size()),
                        const_cast<char*>(bytes.data())};
    DWORD_PTR result = 0;
    return drive::SendWithin(frame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), &result) &&
           result == TRUE;
}

std::string StandinText(HWND frame) {
    return drive::WindowText(FindWindowExA(frame, nullptr, STANDIN_TEXT_CLASS, nullptr));
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
