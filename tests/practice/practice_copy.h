// Practice copy as a Morse trainer sends it: five-character groups of letters,
// digits and a few punctuation marks, a space between groups and CR LF after
// every tenth group, or after as many groups as asked, or never. Platform-free,
// so the stand-in trainer, the tests and the native benchmark share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr int PRACTICE_GROUP_LENGTH = 5;
constexpr int PRACTICE_GROUPS_PER_LINE = 10;
// As groups per line: no line breaks at all, one paragraph.
constexpr int PRACTICE_UNBROKEN = 0;

struct PracticeCopy {
    uint32_t randomState = 1;
    int groupsPerLine = PRACTICE_GROUPS_PER_LINE;
    int charsInGroup = 0;
    int groupsInLine = 0;
};

PracticeCopy StartPracticeCopy(uint32_t seed, int groupsPerLine = PRACTICE_GROUPS_PER_LINE);

// The next piece sent: one character, a space, or CR LF.
std::string NextPracticePiece(PracticeCopy& copy);

// Exactly `length` characters of practice copy (the last line break may be cut).
std::string MakePracticeCopy(PracticeCopy& copy, size_t length);

// A number in [0, bound) from the copy's generator.
uint32_t PracticeRandom(PracticeCopy& copy, uint32_t bound);
