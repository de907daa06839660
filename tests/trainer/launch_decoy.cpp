// A program planted where an unquoted launch would find it first: if it ever
// runs, it leaves "<its own path>.ran" beside itself and exits.
#include "launch_decoy.h"

#include <windows.h>

#include <string>

namespace {
constexpr DWORD LONG_PATH_SIZE = 32768;
} // namespace

int main() {
    static char path[LONG_PATH_SIZE];
    if (GetModuleFileNameA(nullptr, path, LONG_PATH_SIZE) == 0) {
        return 1;
    }
    const std::string marker = std::string(path) + DECOY_MARKER_EXTENSION;
    HANDLE file = CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    return 0;
}
