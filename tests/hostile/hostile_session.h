// What the hostile-input cases share beyond the trainer session: practice copy
// of a given length.
#pragma once

#include "practice_copy.h"
#include "trainer_session.h"

#include <cstdint>
#include <string>

// How long a comparison of the longest text the link reads may take to show.
constexpr DWORD LONG_TEXT_WAIT_MS = 30000;

// Practice copy of a length, the same every time for the same seed.
struct PracticeSpec {
    size_t length;
    uint32_t seed;
};
inline std::string PracticeText(const PracticeSpec& spec) {
    PracticeCopy copy = StartPracticeCopy(spec.seed);
    return MakePracticeCopy(copy, spec.length);
}
