#include "practice_copy.h"

namespace {

constexpr char ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,?/=";
constexpr uint32_t ALPHABET_SIZE = sizeof(ALPHABET) - 1;
constexpr char GROUP_GAP[] = " ";
constexpr char LINE_BREAK[] = "\r\n";

// Numerical Recipes' linear congruential generator: plenty for practice copy,
// and the same sequence on every platform for a given seed.
constexpr uint32_t LCG_MULTIPLIER = 1664525u;
constexpr uint32_t LCG_INCREMENT = 1013904223u;
constexpr int LCG_USEFUL_SHIFT = 8;

} // namespace

PracticeCopy StartPracticeCopy(uint32_t seed, int groupsPerLine) {
    return PracticeCopy{seed, groupsPerLine};
}

uint32_t PracticeRandom(PracticeCopy& copy, uint32_t bound) {
    copy.randomState = copy.randomState * LCG_MULTIPLIER + LCG_INCREMENT;
    return bound == 0 ? 0 : (copy.randomState >> LCG_USEFUL_SHIFT) % bound;
}

std::string NextPracticePiece(PracticeCopy& copy) {
    if (copy.charsInGroup < PRACTICE_GROUP_LENGTH) {
        ++copy.charsInGroup;
        return std::string(1, ALPHABET[PracticeRandom(copy, ALPHABET_SIZE)]);
    }
    copy.charsInGroup = 0;
    if (copy.groupsPerLine == PRACTICE_UNBROKEN || ++copy.groupsInLine < copy.groupsPerLine) {
        return GROUP_GAP;
    }
    copy.groupsInLine = 0;
    return LINE_BREAK;
}

std::string MakePracticeCopy(PracticeCopy& copy, size_t length) {
    std::string text;
    text.reserve(length + 1);
    while (text.size() < length) {
        text += NextPracticePiece(copy);
    }
    text.resize(length);
    return text;
}
