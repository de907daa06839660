// The first byte of the input says where the rest splits into the transmitted
// and the typed text; any disagreement with the reference aborts.
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
    if (!reference::Same(CompareTexts(transmitted, typed),
                         reference::Compare(transmitted, typed))) {
        std::abort();
    }
    if (FormatMatchLine(CompareTexts(transmitted, typed).matchedCount).empty()) {
        std::abort();
    }
    return 0;
}
