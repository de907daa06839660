#include "standin_options.h"

#include "practice_copy.h"
#include "standin_protocol.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr DWORD DEFAULT_PACE_MS = 60;
constexpr int DECIMAL = 10;

DWORD ParseMilliseconds(const char* value) {
    return value == nullptr ? 0 : static_cast<DWORD>(std::strtoul(value, nullptr, DECIMAL));
}

std::string ReadFileBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string FillText(const char* count, int groupsPerLine) {
    PracticeCopy copy = StartPracticeCopy(GetTickCount(), groupsPerLine);
    return MakePracticeCopy(copy, ParseMilliseconds(count));
}

// Applies a switch that takes a value; false when `name` is not one of them.
bool ApplyValueSwitch(const char* name, const char* value, StandinOptions& options) {
    if (std::strcmp(name, "--text") == 0) {
        options.text = value;
    } else if (std::strcmp(name, "--text-file") == 0) {
        options.text = ReadFileBytes(value);
    } else if (std::strcmp(name, "--fill") == 0) {
        options.text = FillText(value, PRACTICE_GROUPS_PER_LINE);
    } else if (std::strcmp(name, "--fill-unbroken") == 0) {
        options.text = FillText(value, PRACTICE_UNBROKEN);
    } else if (std::strcmp(name, "--second-text") == 0) {
        options.secondText = value;
    } else if (std::strcmp(name, "--caption") == 0) {
        options.caption = value;
    } else if (std::strcmp(name, "--pace-ms") == 0) {
        options.paceMs = ParseMilliseconds(value);
    } else if (std::strcmp(name, "--delay-ms") == 0) {
        options.delayMs = ParseMilliseconds(value);
    } else if (std::strcmp(name, "--exit-after-ms") == 0) {
        options.exitAfterMs = ParseMilliseconds(value);
    } else if (std::strcmp(name, "--replace-every-ms") == 0) {
        options.replaceEveryMs = ParseMilliseconds(value);
    } else {
        return false;
    }
    return true;
}

void ApplyFlag(const char* name, StandinOptions& options) {
    if (std::strcmp(name, "--two-children") == 0) {
        options.twoChildren = true;
    } else if (std::strcmp(name, "--nested-child") == 0) {
        options.childKind = TextChildKind::Nested;
    } else if (std::strcmp(name, "--prefix-class") == 0) {
        options.childKind = TextChildKind::PrefixClass;
    } else if (std::strcmp(name, "--case-class") == 0) {
        options.childKind = TextChildKind::CaseClass;
    }
}

} // namespace

StandinOptions ParseStandinOptions(int argc, char** argv) {
    StandinOptions options;
    options.caption = STANDIN_CAPTION;
    options.secondText = STANDIN_DEFAULT_SECOND_TEXT;
    options.paceMs = DEFAULT_PACE_MS;
    options.bare = argc <= 1;
    for (int i = 1; i < argc; ++i) {
        const char* value = i + 1 < argc ? argv[i + 1] : "";
        if (ApplyValueSwitch(argv[i], value, options)) {
            ++i;
        } else {
            ApplyFlag(argv[i], options);
        }
    }
    if (options.exitAfterMs == 0) {
        options.exitAfterMs = ParseMilliseconds(std::getenv(STANDIN_ENV_LIMIT_MS));
    }
    return options;
}
