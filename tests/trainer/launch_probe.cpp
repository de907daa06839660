// Runs the trainer link's launch from wherever this executable was copied to,
// since ProgramDirectory reads the running executable's own path.
// Usage: launch_probe OUTPUT_FILE LAUNCHES
// Writes the directory line with ProgramDirectory(), one process line per
// LaunchTrainer call with the identifier it returned, and the error mode line
// with this process's error mode afterwards (it starts from 0).
#include "launch_probe.h"
#include "trainer_link.h"

#include <cstdio>
#include <cstdlib>

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
    std::fprintf(output, "%s%s\n", PROBE_DIRECTORY_KEY, ProgramDirectory().c_str());
    for (long i = 0; i < launches; ++i) {
        std::fprintf(output, "%s%lu\n", PROBE_PROCESS_KEY,
                     static_cast<unsigned long>(LaunchTrainer()));
    }
    std::fprintf(output, "%s0x%X\n", PROBE_ERROR_MODE_KEY, GetErrorMode());
    std::fclose(output);
    return 0;
}
