// The practice copy's shape: five-character groups, a space between, CR LF after
// ten, or after as many as asked, or never.
#include "practice_copy.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr char GROUP_CHARACTERS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,?/=";
constexpr size_t GROUP_WITH_GAP = 5 + 1;
constexpr char LINE_BREAK[] = "\r\n";
constexpr size_t LINE_BREAK_LENGTH = sizeof(LINE_BREAK) - 1;
constexpr size_t LINES_CHECKED = 20;
constexpr uint32_t SEED = 12345;
constexpr int TRAINER_LINE_GROUPS = 10;
constexpr int LONG_LINE_GROUPS = 50;
constexpr size_t PARAGRAPH_LENGTH = 1000;

bool IsGroupCharacter(char c) {
    return c != '\0' && std::strchr(GROUP_CHARACTERS, c) != nullptr;
}

// A group character, or the space after every fifth.
void ExpectGroupColumn(const std::string& text, size_t at, size_t column) {
    const bool gap = column % GROUP_WITH_GAP == GROUP_WITH_GAP - 1;
    EXPECT_EQ(gap, text[at] == ' ') << "at " << at;
    EXPECT_EQ(!gap, IsGroupCharacter(text[at])) << "at " << at;
}

// The line break takes the place of the space after a line's last group.
void ExpectGroupsInLines(PracticeCopy copy, int groupsPerLine) {
    const size_t lineLength = groupsPerLine * GROUP_WITH_GAP - 1 + LINE_BREAK_LENGTH;
    const std::string text = MakePracticeCopy(copy, lineLength * LINES_CHECKED);
    ASSERT_EQ(text.size(), lineLength * LINES_CHECKED);
    for (size_t at = 0; at < text.size(); at += lineLength) {
        for (size_t column = 0; column + LINE_BREAK_LENGTH < lineLength; ++column) {
            ExpectGroupColumn(text, at + column, column);
        }
        EXPECT_EQ(text.substr(at + lineLength - LINE_BREAK_LENGTH, LINE_BREAK_LENGTH), LINE_BREAK)
            << "at " << at;
    }
}

} // namespace

TEST(PracticeCopy, LinesHoldTenGroupsOfFiveSeparatedBySpaces) {
    ExpectGroupsInLines(StartPracticeCopy(SEED), TRAINER_LINE_GROUPS);
}

TEST(PracticeCopy, LinesHoldAsManyGroupsAsAsked) {
    ExpectGroupsInLines(StartPracticeCopy(SEED, LONG_LINE_GROUPS), LONG_LINE_GROUPS);
}

TEST(PracticeCopy, UnbrokenCopyIsOneParagraphOfGroups) {
    PracticeCopy copy = StartPracticeCopy(SEED, PRACTICE_UNBROKEN);
    const std::string text = MakePracticeCopy(copy, PARAGRAPH_LENGTH);
    for (size_t at = 0; at < text.size(); ++at) {
        ExpectGroupColumn(text, at, at);
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
