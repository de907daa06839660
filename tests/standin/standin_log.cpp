#include "standin_log.h"

#include "standin_protocol.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD LONG_PATH_SIZE = 32768;
constexpr char LINE_END[] = "\r\n";
constexpr char EXE_EXTENSION[] = ".exe";
constexpr size_t HEX_TEXT_SIZE = 16;

std::string OwnPath() {
    std::vector<char> buffer(LONG_PATH_SIZE, '\0');
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), LONG_PATH_SIZE);
    return std::string(buffer.data(), length < LONG_PATH_SIZE ? length : 0);
}

std::string CurrentDirectory() {
    std::vector<char> buffer(LONG_PATH_SIZE, '\0');
    const DWORD length = GetCurrentDirectoryA(LONG_PATH_SIZE, buffer.data());
    return std::string(buffer.data(), length < LONG_PATH_SIZE ? length : 0);
}

std::string LogPathFor(const std::string& exePath) {
    const size_t extensionLength = sizeof(EXE_EXTENSION) - 1;
    if (exePath.size() < extensionLength) {
        return exePath + STANDIN_LOG_EXTENSION;
    }
    const size_t stemLength = exePath.size() - extensionLength;
    if (lstrcmpiA(exePath.c_str() + stemLength, EXE_EXTENSION) != 0) {
        return exePath + STANDIN_LOG_EXTENSION;
    }
    return exePath.substr(0, stemLength) + STANDIN_LOG_EXTENSION;
}

std::string ErrorModeText() {
    char text[HEX_TEXT_SIZE] = {};
    std::snprintf(text, sizeof(text), "0x%X", GetErrorMode());
    return text;
}

} // namespace

void AppendStartLog() {
    const std::string exePath = OwnPath();
    if (exePath.empty()) {
        return;
    }
    const std::string entry = STANDIN_LOG_DIRECTORY_KEY + CurrentDirectory() + LINE_END +
                              STANDIN_LOG_PATH_KEY + exePath + LINE_END +
                              STANDIN_LOG_ERROR_MODE_KEY + ErrorModeText() + LINE_END;
    HANDLE file = CreateFileA(LogPathFor(exePath).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(file, entry.data(), static_cast<DWORD>(entry.size()), &written, nullptr);
    CloseHandle(file);
}
