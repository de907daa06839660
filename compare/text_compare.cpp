#include "text_compare.h"

#include <array>
#include <cstddef>
#include <new>

namespace {

// The seven non-ASCII pairs fold the lower-case byte of a code page 437 letter
// to its capital; nothing else above 0x7F folds.
struct FoldPair {
    unsigned char lower;
    unsigned char upper;
};
constexpr FoldPair HIGH_FOLD_PAIRS[] = {
    {0x81, 0x9A}, {0x82, 0x90}, {0x84, 0x8E}, {0x86, 0x8F},
    {0x87, 0x80}, {0x94, 0x99}, {0xA4, 0xA5},
};

constexpr unsigned char FIRST_LOWER_ASCII = 'a';
constexpr unsigned char LAST_LOWER_ASCII = 'z';
constexpr unsigned char ASCII_CASE_OFFSET = 'a' - 'A';
constexpr int BYTE_VALUES = 256;

constexpr std::array<unsigned char, BYTE_VALUES> MakeFoldTable() {
    std::array<unsigned char, BYTE_VALUES> table{};
    for (int c = 0; c < BYTE_VALUES; ++c) {
        table[c] = static_cast<unsigned char>(c);
    }
    for (int c = FIRST_LOWER_ASCII; c <= LAST_LOWER_ASCII; ++c) {
        table[c] = static_cast<unsigned char>(c - ASCII_CASE_OFFSET);
    }
    for (const FoldPair& pair : HIGH_FOLD_PAIRS) {
        table[pair.lower] = pair.upper;
    }
    return table;
}

constexpr std::array<unsigned char, BYTE_VALUES> FOLDED = MakeFoldTable();

// Plain comparisons rather than a table: the compiler turns them into one bit
// test, which measured faster in the hot loop than a second lookup.
inline bool Blank(unsigned char c) {
    return c == ' ' || c == '\r' || c == '\n';
}

// The first character that did not match: transmitted index i, typed index j
// (rLength when the typed text ran out first).
CompareResult EndedAt(size_t i, size_t j, size_t rLength, int32_t matched) {
    const auto transmittedPosition = static_cast<int32_t>(i + 1);
    if (j >= rLength) {
        return {CompareOutcome::TypedTextEnded, matched, transmittedPosition, 0};
    }
    return {CompareOutcome::Mismatch, matched, transmittedPosition, static_cast<int32_t>(j + 1)};
}

} // namespace

unsigned char FoldCase(unsigned char c) {
    return FOLDED[c];
}

bool IsBlank(unsigned char c) {
    return Blank(c);
}

CompareResult CompareTexts(const std::string& transmitted, const std::string& typed) {
    const auto* t = reinterpret_cast<const unsigned char*>(transmitted.data());
    const auto* r = reinterpret_cast<const unsigned char*>(typed.data());
    const size_t tLength = transmitted.size();
    const size_t rLength = typed.size();
    size_t j = 0;
    int32_t matched = 0;

    // The positions are worked out only on the way out: keeping them up to date
    // per byte costs the hot loop a register and an add.
    for (size_t i = 0; i < tLength; ++i) {
        const unsigned char a = t[i];
        if (Blank(a)) {
            continue;
        }
        while (j < rLength && Blank(r[j])) {
            ++j;
        }
        if (j >= rLength || FOLDED[a] != FOLDED[r[j]]) {
            return EndedAt(i, j, rLength, matched);
        }
        ++matched;
        ++j;
    }
    return {CompareOutcome::AllMatched, matched, 0, 0};
}

std::string FormatMatchLine(int32_t matchedCount) {
    // Without memory the line is empty rather than an exception in the caller.
    try {
        return " " + std::to_string(matchedCount) + " characters match to first error";
    } catch (const std::bad_alloc&) {
        return {};
    }
}
