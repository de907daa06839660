// A deliberately plain restatement of the comparison, written for obviousness
// rather than speed: strip the blanks from both texts, remembering where each
// kept character stood, then walk the two lists. The oracle of the property
// test, the fuzz target, the hostile long-text case, the snapshot tool and the
// window driver's expected results.
#pragma once

#include "text_compare.h"

#include <cstdint>
#include <string>
#include <vector>

namespace reference {

inline bool Blank(unsigned char c) {
    return c == ' ' || c == '\r' || c == '\n';
}

inline unsigned char Fold(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<unsigned char>(c - 32);
    }
    switch (c) {
    case 0x81: return 0x9A;
    case 0x82: return 0x90;
    case 0x84: return 0x8E;
    case 0x86: return 0x8F;
    case 0x87: return 0x80;
    case 0x94: return 0x99;
    case 0xA4: return 0xA5;
    default: return c;
    }
}

struct Kept {
    unsigned char folded;
    int32_t position;
};

inline std::vector<Kept> NonBlanks(const std::string& text) {
    std::vector<Kept> kept;
    for (size_t k = 0; k < text.size(); ++k) {
        const auto c = static_cast<unsigned char>(text[k]);
        if (!Blank(c)) {
            kept.push_back({Fold(c), static_cast<int32_t>(k + 1)});
        }
    }
    return kept;
}

inline CompareResult Compare(const std::string& transmitted, const std::string& typed) {
    const std::vector<Kept> t = NonBlanks(transmitted);
    const std::vector<Kept> r = NonBlanks(typed);
    for (size_t k = 0; k < t.size(); ++k) {
        const auto count = static_cast<int32_t>(k);
        if (k >= r.size()) {
            return {CompareOutcome::TypedTextEnded, count, t[k].position, 0};
        }
        if (t[k].folded != r[k].folded) {
            return {CompareOutcome::Mismatch, count, t[k].position, r[k].position};
        }
    }
    return {CompareOutcome::AllMatched, static_cast<int32_t>(t.size()), 0, 0};
}

inline bool Same(const CompareResult& a, const CompareResult& b) {
    return a.outcome == b.outcome && a.matchedCount == b.matchedCount &&
           a.transmittedPosition == b.transmittedPosition && a.typedPosition == b.typedPosition;
}

} // namespace reference
