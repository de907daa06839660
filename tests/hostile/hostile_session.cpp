#include "hostile_session.h"

#include "practice_copy.h"

std::string PracticeText(size_t length, uint32_t seed) {
    PracticeCopy copy = StartPracticeCopy(seed);
    return MakePracticeCopy(copy, length);
}

std::string StandinText(HWND frame) {
    return drive::WindowText(FindWindowExA(frame, nullptr, STANDIN_TEXT_CLASS, nullptr));
}
