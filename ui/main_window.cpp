#include "main_window.h"

HWND MainDialog = nullptr;
HFONT TextFont = nullptr;
std::string LatestTransmission;
