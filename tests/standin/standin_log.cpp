#include "standin_log.h"

#include "standin_protocol.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr DWORD LONG_PATH_SIZE = 32768;
constexpr char LINE_END[] = "\r\n";
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
    std::ofstream log(std::filesystem::path(exePath).replace_extension(STANDIN_LOG_EXTENSION),
                      std::ios::binary | std::ios::app);
    log << STANDIN_LOG_DIRECTORY_KEY << CurrentDirectory() << LINE_END << STANDIN_LOG_PATH_KEY
        << exePath << LINE_END << STANDIN_LOG_ERROR_MODE_KEY << ErrorModeText() << LINE_END;
}
