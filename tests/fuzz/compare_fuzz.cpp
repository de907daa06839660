// The first byte of the input says where the rest splits into the transmitted
// and the typed text; any disagreement with the reference, or a status line other
// than the count in the fixed wording, aborts.
#include "reference_compare.h"
#include "text_compare.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const size_t rest = size - 1;
    const size_t split = rest == 0 ? 0 : data[0] * rest / UINT8_MAX;
    const auto* bytes = reinterpret_cast<const char*>(data + 1);
    const std::string transmitted(bytes, split);
    const std::string typed(bytes + split, rest - split);
    const CompareResult result = CompareTexts(transmitted, typed);
    const std::string expectedLine =
        " " + std::to_string(result.matchedCount) + " characters match to first error";
    if (!reference::Same(result, reference::Compare(transmitted, typed)) ||
        FormatMatchLine(result.matchedCount) != expectedLine) {
        std::abort();
    }
    return 0;
}
