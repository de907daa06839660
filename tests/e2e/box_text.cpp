#include "box_text.h"

#include "text_compare.h"

#include <windows.h>

#include <algorithm>

std::string ShownInBox(std::string text) {
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

size_t NonBlankCount(const std::string& text) {
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return !IsBlank(static_cast<unsigned char>(c)); }));
}
