// What the hostile-input cases share beyond the trainer session: texts as the
// boxes show them, practice copy of a given length, the stand-in's whole text.
#pragma once

#include "box_text.h"
#include "trainer_session.h"

#include <cstdint>
#include <string>

// How long the trainer reads at the most, and how long a comparison of such a
// text may take to show.
constexpr size_t TRAINER_READ_LIMIT = 27999;
constexpr DWORD LONG_TEXT_WAIT_MS = 30000;

// Practice copy of a length, the same every time for the same seed.
struct PracticeSpec {
    size_t length;
    uint32_t seed;
};
std::string PracticeText(const PracticeSpec& spec);

// The whole text of the stand-in's text window, which may be longer than what
// the link reads.
std::string StandinText(HWND frame);
