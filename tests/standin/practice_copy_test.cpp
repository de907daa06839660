// The practice copy's shape: five-character groups, a space between, CR LF after ten.
#include "practice_copy.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr char GROUP_CHARACTERS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,?/=";
constexpr size_t LINE_LENGTH = 10 * 5 + 9 + 2; // ten groups, nine spaces, CR LF
constexpr size_t LINES_CHECKED = 20;
constexpr uint32_t SEED = 12345;

bool IsGroupCharacter(char c) {
    return c != '\0' && std::strchr(GROUP_CHARACTERS, c) != nullptr;
}

} // namespace

TEST(PracticeCopy, LinesHoldTenGroupsOfFiveSeparatedBySpaces) {
    PracticeCopy copy = StartPracticeCopy(SEED);
    const std::string text = MakePracticeCopy(copy, LINE_LENGTH * LINES_CHECKED);
    ASSERT_EQ(text.size(), LINE_LENGTH * LINES_CHECKED);
    for (size_t line = 0; line < LINES_CHECKED; ++line) {
        const std::string row = text.substr(line * LINE_LENGTH, LINE_LENGTH);
        for (size_t i = 0; i + 2 < LINE_LENGTH; ++i) {
            const bool gap = i % 6 == 5;
            EXPECT_EQ(gap, row[i] == ' ') << "line " << line << " column " << i;
            EXPECT_EQ(!gap, IsGroupCharacter(row[i])) << "line " << line << " column " << i;
        }
        EXPECT_EQ(row.substr(LINE_LENGTH - 2), "\r\n") << "line " << line;
    }
}

TEST(PracticeCopy, MakesExactlyTheLengthAsked) {
    PracticeCopy copy = StartPracticeCopy(SEED);
    for (size_t length : {0u, 1u, 5u, 60u, 61u, 28000u}) {
        EXPECT_EQ(MakePracticeCopy(copy, length).size(), length);
    }
}

TEST(PracticeCopy, UsesMoreThanAFewCharacters) {
    PracticeCopy copy = StartPracticeCopy(SEED);
    const std::string text = MakePracticeCopy(copy, 5000);
    size_t distinct = 0;
    for (const char* c = GROUP_CHARACTERS; *c != '\0'; ++c) {
        distinct += text.find(*c) != std::string::npos ? 1 : 0;
    }
    EXPECT_EQ(distinct, std::strlen(GROUP_CHARACTERS));
}
