// CompareTexts against the plain reference over many random texts drawn from
// small alphabets, so that blanks, line breaks and folding pairs meet often.
#include "reference_compare.h"
#include "text_compare.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

namespace {

constexpr int ROUNDS = 20000;
constexpr size_t MAX_LENGTH = 40;

const std::string ALPHABET =
    std::string("aAbB  \r\n\t\x84\x8E\x81\x9A\xE4\xC4\xA4\xA5", 18) + std::string(1, '\0');

std::string RandomText(std::mt19937& random) {
    std::uniform_int_distribution<size_t> length(0, MAX_LENGTH);
    std::uniform_int_distribution<size_t> pick(0, ALPHABET.size() - 1);
    std::string text(length(random), ' ');
    for (char& c : text) {
        c = ALPHABET[pick(random)];
    }
    return text;
}

// Typed text that follows the transmitted one, with a few edits, so that long
// matches and late errors are common instead of failing on the first byte.
std::string NearCopy(std::mt19937& random, const std::string& source) {
    std::uniform_int_distribution<int> edit(0, 19);
    std::string copy;
    for (char c : source) {
        switch (edit(random)) {
        case 0: break;
        case 1:
            copy += ' ';
            copy += c;
            break;
        case 2: copy += "\r\n"; break;
        case 3: copy += 'b'; break;
        default: copy += c; break;
        }
    }
    return copy;
}

void ExpectSameAsReference(const std::string& transmitted, const std::string& typed) {
    const auto fields = [](const CompareResult& r) {
        return std::tuple(int(r.outcome), r.matchedCount, r.transmittedPosition, r.typedPosition);
    };
    ASSERT_EQ(fields(CompareTexts(transmitted, typed)),
              fields(reference::Compare(transmitted, typed)));
}

TEST(CompareProperty, RandomPairsAndNearCopiesAgreeWithReference) {
    std::mt19937 random(20261207);
    for (int round = 0; round < ROUNDS; ++round) {
        const std::string transmitted = RandomText(random);
        ExpectSameAsReference(transmitted, RandomText(random));
        ExpectSameAsReference(transmitted, NearCopy(random, transmitted));
    }
}

TEST(CompareProperty, EveryByteAgainstEveryByte) {
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            ExpectSameAsReference(std::string(1, char(a)) + "x", std::string(1, char(b)) + "X");
        }
    }
}

} // namespace
