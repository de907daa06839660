// The heart of the program: how much of the trainer's transmission the user copied
// correctly, up to the first error. Pure functions over byte strings, free of any
// platform header, so they build and test anywhere.
#pragma once

#include <cstdint>
#include <string>

enum class CompareOutcome { AllMatched, Mismatch, TypedTextEnded };

// Positions are 1-based byte positions counting every byte, blanks and CR LF
// included, so position - 1 is an edit box's character index. A position that has
// no meaning for the outcome is 0. Counts and positions are 32-bit: a typed text
// set into a box has no length limit, and 16 bits would wrap past 32,767.
struct CompareResult {
    CompareOutcome outcome;
    int32_t matchedCount;
    int32_t transmittedPosition;
    int32_t typedPosition;
};

// Walks both texts side by side, skipping blanks (space, CR, LF) on each side
// independently and comparing the rest after FoldCase. Driven by the transmitted
// text: typed characters beyond its last partner are never looked at.
CompareResult CompareTexts(const std::string& transmitted, const std::string& typed);

// " N characters match to first error", with the same wording for every count;
// empty when there is no memory for it.
std::string FormatMatchLine(int32_t matchedCount);

// a-z to A-Z and seven code page 437 letter pairs, applied to the raw byte
// whatever the ANSI code page makes of it; every other byte maps to itself.
unsigned char FoldCase(unsigned char c);

// Space, carriage return and line feed: skipped on both sides, never compared.
bool IsBlank(unsigned char c);
