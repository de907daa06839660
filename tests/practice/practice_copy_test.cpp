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

} // namespace

// Ten groups a line as the trainer sends them, as many as asked, or no breaks. The
// line break takes the place of the space after a line's last group; an unbroken
// copy is one line as long as the text.
TEST(PracticeCopy, LinesHoldTenGroupsOrAsManyAsAskedOrNoBreakAtAll) {
    for (int groupsPerLine : {TRAINER_LINE_GROUPS, LONG_LINE_GROUPS, PRACTICE_UNBROKEN}) {
        SCOPED_TRACE(groupsPerLine);
        PracticeCopy copy = groupsPerLine == TRAINER_LINE_GROUPS
                                ? StartPracticeCopy(SEED)
                                : StartPracticeCopy(SEED, groupsPerLine);
        const bool unbroken = groupsPerLine == PRACTICE_UNBROKEN;
        const size_t lineLength =
            unbroken ? PARAGRAPH_LENGTH : groupsPerLine * GROUP_WITH_GAP - 1 + LINE_BREAK_LENGTH;
        const size_t breakLength = unbroken ? 0 : LINE_BREAK_LENGTH;
        const size_t lines = unbroken ? 1 : LINES_CHECKED;
        const std::string text = MakePracticeCopy(copy, lineLength * lines);
        ASSERT_EQ(text.size(), lineLength * lines);
        for (size_t at = 0; at < text.size(); at += lineLength) {
            // A group character, or the space after every fifth.
            for (size_t column = 0; column + breakLength < lineLength; ++column) {
                const char c = text[at + column];
                const bool gap = column % GROUP_WITH_GAP == GROUP_WITH_GAP - 1;
                EXPECT_EQ(gap, c == ' ') << "at " << at + column;
                EXPECT_EQ(!gap, c != '\0' && std::strchr(GROUP_CHARACTERS, c) != nullptr)
                    << "at " << at + column;
            }
            EXPECT_EQ(text.substr(at + lineLength - breakLength, breakLength),
                      unbroken ? "" : LINE_BREAK)
                << "at " << at;
        }
    }
}

TEST(PracticeCopy, MakesExactlyTheLengthAskedAndUsesEveryGroupCharacter) {
    PracticeCopy copy = StartPracticeCopy(SEED);
    for (size_t length : {0u, 1u, 5u, 60u, 61u, 28000u}) {
        EXPECT_EQ(MakePracticeCopy(copy, length).size(), length);
    }
    const std::string text = MakePracticeCopy(copy, 5000);
    size_t distinct = 0;
    for (const char* c = GROUP_CHARACTERS; *c != '\0'; ++c) {
        distinct += text.find(*c) != std::string::npos ? 1 : 0;
    }
    EXPECT_EQ(distinct, std::strlen(GROUP_CHARACTERS));
}
