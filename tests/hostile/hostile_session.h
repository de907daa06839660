// What the hostile-input cases share beyond the trainer bench: texts as the
// boxes show them, practice copy of a given length, and a check that the
// program still answers.
#pragma once

#include "trainer_session.h"

#include <cstdint>
#include <string>

// The boxes upper-case what is put into them by the system's own rules for the
// ANSI code page; this is the text a box then holds.
std::string ShownInBox(const std::string& text);

// Characters CompareTexts counts: everything but spaces, CRs and LFs.
size_t NonBlankCount(const std::string& text);

// Exactly `length` characters of practice copy, the same for the same seed.
std::string PracticeText(size_t length, uint32_t seed);

// The whole text of the stand-in's text window, which may be longer than what
// the link reads.
std::string StandinText(HWND frame);
