// Texts as Sorvane's boxes hold them, for checks made from outside its window.
#pragma once

#include <cstddef>
#include <string>

// The boxes upper-case what is put into them by the system's own rules for the
// ANSI code page; this is the text a box then holds.
std::string ShownInBox(std::string text);

// Characters CompareTexts counts: everything but spaces, CRs and LFs.
size_t NonBlankCount(const std::string& text);
