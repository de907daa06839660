#include "standin_options.h"

#include "practice_copy.h"
#include "standin_protocol.h"
#include "test_files.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD DEFAULT_PACE_MS = 60;
constexpr int DECIMAL = 10;

DWORD ParseMilliseconds(const char* value) {
    return value == nullptr ? 0 : static_cast<DWORD>(std::strtoul(value, nullptr, DECIMAL));
}

// Practice copy of a length, as the trainer sends it or as one paragraph.
std::string FillText(const char* count, int groupsPerLine) {
    PracticeCopy copy = StartPracticeCopy(GetTickCount(), groupsPerLine);
    return MakePracticeCopy(copy, ParseMilliseconds(count));
}

std::string AsGiven(const char* value) {
    return value;
}

struct TextSwitch {
    const char* name;
    std::string StandinOptions::*field;
    std::string (*read)(const char* value);
};

const TextSwitch TEXT_SWITCHES[] = {
    {"--text", &StandinOptions::text, AsGiven},
    {"--text-file", &StandinOptions::text, [](const char* v) { return testfiles::ReadBytes(v); }},
    {"--fill", &StandinOptions::text,
     [](const char* v) { return FillText(v, PRACTICE_GROUPS_PER_LINE); }},
    {"--fill-unbroken", &StandinOptions::text,
     [](const char* v) { return FillText(v, PRACTICE_UNBROKEN); }},
    {"--second-text", &StandinOptions::secondText, AsGiven},
    {"--caption", &StandinOptions::caption, AsGiven},
};

struct NumberSwitch {
    const char* name;
    DWORD StandinOptions::*field;
};

const NumberSwitch NUMBER_SWITCHES[] = {
    {"--pace-ms", &StandinOptions::paceMs},
    {"--delay-ms", &StandinOptions::delayMs},
    {"--exit-after-ms", &StandinOptions::exitAfterMs},
    {"--replace-every-ms", &StandinOptions::replaceEveryMs},
};

struct KindFlag {
    const char* name;
    TextChildKind kind;
};

const KindFlag KIND_FLAGS[] = {
    {"--nested-child", TextChildKind::Nested},
    {"--prefix-class", TextChildKind::PrefixClass},
    {"--case-class", TextChildKind::CaseClass},
};

// Applies a switch that takes a value; false when `name` is not one of them.
bool ApplyValueSwitch(const char* name, const char* value, StandinOptions& options) {
    for (const TextSwitch& option : TEXT_SWITCHES) {
        if (std::strcmp(name, option.name) == 0) {
            options.*option.field = option.read(value);
            return true;
        }
    }
    for (const NumberSwitch& option : NUMBER_SWITCHES) {
        if (std::strcmp(name, option.name) == 0) {
            options.*option.field = ParseMilliseconds(value);
            return true;
        }
    }
    return false;
}

void ApplyFlag(const char* name, StandinOptions& options) {
    options.twoChildren = options.twoChildren || std::strcmp(name, "--two-children") == 0;
    for (const KindFlag& flag : KIND_FLAGS) {
        if (std::strcmp(name, flag.name) == 0) {
            options.childKind = flag.kind;
        }
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
