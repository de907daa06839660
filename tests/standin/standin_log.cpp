#include "standin_log.h"

#include "standin_protocol.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr DWORD LONG_PATH_SIZE = 32768;
constexpr char LINE_END[] = "\r\n";

// Reads a path through a Win32 call that fills a buffer and returns the length.
template <typename ReadPath> std::string LongPath(ReadPath read) {
    std::vector<char> buffer(LONG_PATH_SIZE, '\0');
    const DWORD length = read(buffer.data());
    return std::string(buffer.data(), length < LONG_PATH_SIZE ? length : 0);
}

} // namespace

void AppendStartLog() {
    const std::string exePath =
        LongPath([](char* buffer) { return GetModuleFileNameA(nullptr, buffer, LONG_PATH_SIZE); });
    if (exePath.empty()) {
        return;
    }
    std::ofstream log(std::filesystem::path(exePath).replace_extension(STANDIN_LOG_EXTENSION),
                      std::ios::binary | std::ios::app);
    log << STANDIN_LOG_DIRECTORY_KEY
        << LongPath([](char* buffer) { return GetCurrentDirectoryA(LONG_PATH_SIZE, buffer); })
        << LINE_END << STANDIN_LOG_PATH_KEY << exePath << LINE_END << STANDIN_LOG_ERROR_MODE_KEY
        << "0x" << std::hex << std::uppercase << GetErrorMode() << std::dec << LINE_END;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    log << STANDIN_LOG_USES_SHOW_KEY << ((startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? 1 : 0)
        << LINE_END << STANDIN_LOG_SHOW_COMMAND_KEY << startup.wShowWindow << LINE_END;
}
