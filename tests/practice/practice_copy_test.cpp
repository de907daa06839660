// The practice copy's shape: five-character groups, a space between, CR LF after
// ten, or after as many as asked, or never.
#include "practice_copy.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr char GROUP_CHARACTERS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,?/=";
constexpr size_t GROUP_WITH_GAP = 5 + 1;
constexpr size_t LINE_BREAK_LENGTH = 2;
constexpr size_t LINES_CHECKED = 20;
constexpr uint32_t SEED = 12345;
constexpr int TRAINER_LINE_GROUPS = 10;
constexpr int LONG_LINE_GROUPS = 50;
constexpr size_t PARAGRAPH_LENGTH = 27999;

bool IsGroupCharacter(char c) {
    return c != '\0' && std::strchr(GROUP_CHARACTERS, c) != nullptr;
}

// Groups of five with a space between; the gap after the last group is the line break.
size_t LineLength(int groups) {
    return static_cast<size_t>(groups) * GROUP_WITH_GAP - 1 + LINE_BREAK_LENGTH;
}

void ExpectGroupsInLines(const std::string& text, int groupsPerLine) {
    const size_t lineLength = LineLength(groupsPerLine);
    ASSERT_EQ(text.size(), lineLength * LINES_CHECKED);
    for (size_t line = 0; line < LINES_CHECKED; ++line) {
        const std::string row = text.substr(line * lineLength, lineLength);
        for (size_t i = 0; i + LINE_BREAK_LENGTH < lineLength; ++i) {
            const bool gap = i % GROUP_WITH_GAP == GROUP_WITH_GAP - 1;
            EXPECT_EQ(gap, row[i] == ' ') << "line " << line << " column " << i;
            EXPECT_EQ(!gap, IsGroupCharacter(row[i])) << "line " << line << " column " << i;
        }
        EXPECT_EQ(row.substr(lineLength - LINE_BREAK_LENGTH), "\r\n") << "line " << line;
    }
}

} // namespace

TEST(PracticeCopy, LinesHoldTenGroupsOfFiveSeparatedBySpaces) {
    PracticeCopy copy = StartPracticeCopy(SEED);
    ExpectGroupsInLines(MakePracticeCopy(copy, LineLength(TRAINER_LINE_GROUPS) * LINES_CHECKED),
                        TRAINER_LINE_GROUPS);
}

TEST(PracticeCopy, LinesHoldAsManyGroupsAsAsked) {
    PracticeCopy copy = StartPracticeCopy(SEED, LONG_LINE_GROUPS);
    ExpectGroupsInLines(MakePracticeCopy(copy, LineLength(LONG_LINE_GROUPS) * LINES_CHECKED),
                        LONG_LINE_GROUPS);
}

TEST(PracticeCopy, UnbrokenCopyIsOneParagraphOfGroups) {
    PracticeCopy copy = StartPracticeCopy(SEED, PRACTICE_UNBROKEN);
    const std::string text = MakePracticeCopy(copy, PARAGRAPH_LENGTH);
    ASSERT_EQ(text.size(), PARAGRAPH_LENGTH);
    for (size_t i = 0; i < text.size(); ++i) {
        const bool gap = i % GROUP_WITH_GAP == GROUP_WITH_GAP - 1;
        ASSERT_EQ(gap, text[i] == ' ') << "column " << i;
        ASSERT_EQ(!gap, IsGroupCharacter(text[i])) << "column " << i;
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
