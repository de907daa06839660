// What the hostile-input cases share beyond the trainer bench: texts as the
// boxes show them, practice copy of a given length, the stand-in's whole text.
#pragma once

#include "box_text.h"
#include "trainer_session.h"

#include <cstdint>
#include <string>

// Exactly `length` characters of practice copy, the same for the same seed.
std::string PracticeText(size_t length, uint32_t seed);

// The whole text of the stand-in's text window, which may be longer than what
// the link reads.
std::string StandinText(HWND frame);
