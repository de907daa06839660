#include "text_compare.h"

#include <gtest/gtest.h>

namespace {

struct Pair {
    unsigned char lower;
    unsigned char upper;
};

const Pair HIGH_PAIRS[] = {
    {0x81, 0x9A}, {0x82, 0x90}, {0x84, 0x8E}, {0x86, 0x8F},
    {0x87, 0x80}, {0x94, 0x99}, {0xA4, 0xA5},
};

std::string Byte(unsigned char c) {
    return std::string(1, static_cast<char>(c));
}

TEST(FoldCase, AsciiLettersFoldUpNeverDown) {
    for (unsigned char c = 'a'; c <= 'z'; ++c) {
        const auto upper = static_cast<unsigned char>(c - 0x20);
        EXPECT_EQ(FoldCase(c), upper) << int(c);
        EXPECT_EQ(FoldCase(upper), upper) << int(upper);
        EXPECT_EQ(CompareTexts(Byte(c), Byte(upper)).outcome, CompareOutcome::AllMatched);
        EXPECT_EQ(CompareTexts(Byte(upper), Byte(c)).outcome, CompareOutcome::AllMatched);
    }
}

TEST(FoldCase, HighPairsMatchBothWays) {
    for (const Pair& pair : HIGH_PAIRS) {
        EXPECT_EQ(FoldCase(pair.lower), pair.upper) << int(pair.lower);
        EXPECT_EQ(FoldCase(pair.upper), pair.upper) << int(pair.upper);
        EXPECT_EQ(CompareTexts(Byte(pair.lower), Byte(pair.upper)).matchedCount, 1);
        EXPECT_EQ(CompareTexts(Byte(pair.upper), Byte(pair.lower)).matchedCount, 1);
    }
}

TEST(FoldCase, AnsiAccentedLettersDoNotFold) {
    for (int c = 0xE0; c <= 0xFE; ++c) {
        const auto lower = static_cast<unsigned char>(c);
        const auto upper = static_cast<unsigned char>(c - 0x20);
        EXPECT_EQ(FoldCase(lower), lower) << c;
        EXPECT_EQ(CompareTexts(Byte(lower), Byte(upper)).outcome, CompareOutcome::Mismatch) << c;
    }
}

TEST(FoldCase, EveryOtherByteMapsToItself) {
    int folded = 0;
    for (int c = 0; c < 256; ++c) {
        if (FoldCase(static_cast<unsigned char>(c)) != c) {
            ++folded;
        }
    }
    EXPECT_EQ(folded, 26 + 7);
}

TEST(FoldCase, ExactlyThreeBlanksAndFoldingKeepsThem) {
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        const bool blank = c == ' ' || c == '\r' || c == '\n';
        EXPECT_EQ(IsBlank(byte), blank) << c;
        EXPECT_EQ(IsBlank(FoldCase(byte)), blank) << c;
    }
    EXPECT_EQ(CompareTexts("\t", "").outcome, CompareOutcome::TypedTextEnded);
    EXPECT_EQ(CompareTexts("\x0B\x0C", "\x0B\x0C").matchedCount, 2);
}

} // namespace
