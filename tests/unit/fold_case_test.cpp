#include "text_compare.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using FoldingPair = std::pair<unsigned char, unsigned char>;

constexpr unsigned char CASE_DISTANCE = 'a' - 'A';

// Every letter that folds, lower case first: seven code page 437 pairs and a-z.
std::vector<FoldingPair> FoldingPairs() {
    std::vector<FoldingPair> pairs = {{0x81, 0x9A}, {0x82, 0x90}, {0x84, 0x8E}, {0x86, 0x8F},
                                      {0x87, 0x80}, {0x94, 0x99}, {0xA4, 0xA5}};
    for (unsigned char c = 'a'; c <= 'z'; ++c) {
        pairs.push_back({c, static_cast<unsigned char>(c - CASE_DISTANCE)});
    }
    return pairs;
}

std::string Byte(unsigned char c) {
    return std::string(1, static_cast<char>(c));
}

TEST(FoldCase, EveryPairFoldsUpNeverDownAndMatchesBothWays) {
    for (const auto& [lower, upper] : FoldingPairs()) {
        EXPECT_EQ(FoldCase(lower), upper) << int(lower);
        EXPECT_EQ(FoldCase(upper), upper) << int(upper);
        EXPECT_EQ(CompareTexts(Byte(lower), Byte(upper)).matchedCount, 1) << int(lower);
        EXPECT_EQ(CompareTexts(Byte(upper), Byte(lower)).matchedCount, 1) << int(lower);
    }
}

// ANSI accented letters (0xE0 to 0xFE) are among the bytes that do not fold.
TEST(FoldCase, EveryOtherByteMapsToItselfAndExactlyThreeBlanksWhichFoldingKeeps) {
    int folded = 0;
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        folded += FoldCase(byte) != c ? 1 : 0;
        if (c >= 0xE0 && c <= 0xFE) {
            const auto upper = static_cast<unsigned char>(c - CASE_DISTANCE);
            EXPECT_EQ(FoldCase(byte), byte) << c;
            EXPECT_EQ(CompareTexts(Byte(byte), Byte(upper)).outcome, CompareOutcome::Mismatch) << c;
        }
        const bool blank = c == ' ' || c == '\r' || c == '\n';
        EXPECT_EQ(IsBlank(byte), blank) << c;
        EXPECT_EQ(IsBlank(FoldCase(byte)), blank) << c;
    }
    EXPECT_EQ(folded, static_cast<int>(FoldingPairs().size()));
    EXPECT_EQ(CompareTexts("\t", "").outcome, CompareOutcome::TypedTextEnded);
    EXPECT_EQ(CompareTexts("\x0B\x0C", "\x0B\x0C").matchedCount, 2);
}

} // namespace
