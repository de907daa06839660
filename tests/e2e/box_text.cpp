#include "box_text.h"

#include "text_compare.h"

#include <windows.h>

std::string ShownInBox(const std::string& text) {
    std::string shown = text;
    if (!shown.empty()) {
        CharUpperBuffA(shown.data(), static_cast<DWORD>(shown.size()));
    }
    return shown;
}

size_t NonBlankCount(const std::string& text) {
    size_t count = 0;
    for (char c : text) {
        count += IsBlank(static_cast<unsigned char>(c)) ? 0 : 1;
    }
    return count;
}
