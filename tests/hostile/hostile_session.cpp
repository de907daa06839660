#include "hostile_session.h"

#include "practice_copy.h"

std::string PracticeText(const PracticeSpec& spec) {
    PracticeCopy copy = StartPracticeCopy(spec.seed);
    return MakePracticeCopy(copy, spec.length);
}

std::string StandinText(HWND frame) {
    return drive::WindowText(FindWindowExA(frame, nullptr, STANDIN_TEXT_CLASS, nullptr));
}
