// Runs the trainer link's launch from wherever this executable was copied to,
// since ProgramDirectory reads the running executable's own path.
// Usage: launch_probe OUTPUT_FILE LAUNCHES
// Writes ProgramDirectory() on the first line, this process's error mode after
// the launches (it starts from 0) on the second, then the identifier each
// LaunchTrainer call returned, one per line.
#include "trainer_link.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
constexpr int ARGUMENTS_NEEDED = 3;
constexpr int DECIMAL = 10;
constexpr int USAGE_ERROR = 2;
constexpr int OUTPUT_ERROR = 3;
} // namespace

int main(int argc, char** argv) {
    if (argc < ARGUMENTS_NEEDED) {
        return USAGE_ERROR;
    }
    const long launches = std::strtol(argv[2], nullptr, DECIMAL);
    std::FILE* output = std::fopen(argv[1], "wb");
    if (output == nullptr) {
        return OUTPUT_ERROR;
    }
    SetErrorMode(0);
    std::vector<DWORD> started;
    for (long i = 0; i < launches; ++i) {
        started.push_back(LaunchTrainer());
    }
    std::fprintf(output, "%s\n0x%X\n", ProgramDirectory().c_str(), GetErrorMode());
    for (DWORD processId : started) {
        std::fprintf(output, "%lu\n", static_cast<unsigned long>(processId));
    }
    std::fclose(output);
    return 0;
}
