#include "hostile_session.h"

#include "practice_copy.h"
#include "text_compare.h"

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

std::string PracticeText(size_t length, uint32_t seed) {
    PracticeCopy copy = StartPracticeCopy(seed);
    return MakePracticeCopy(copy, length);
}

std::string StandinText(HWND frame) {
    return bench::WindowText(FindWindowExA(frame, nullptr, STANDIN_TEXT_CLASS, nullptr));
}
