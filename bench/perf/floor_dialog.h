// The empty window every floor program starts from: a dialog built from an
// in-memory template with the companion window's size, styles and font. The
// floors' captions, by which the driver finds their windows; their size,
// styles, fonts and the trainer they read are the companion's own constants, so
// that each floor costs what the platform alone costs for the same work.
#pragma once

#include <windows.h>

namespace perf {

constexpr char BARE_DIALOG_CAPTION[] = "Sorvane floor - bare dialog";
constexpr char BARE_POLLER_CAPTION[] = "Sorvane floor - bare poller";
constexpr char EDIT_FILL_CAPTION[] = "Sorvane floor - edit fill";

// Creates the dialog hidden with `procedure`; null on failure.
HWND CreateFloorDialog(const char* caption, DLGPROC procedure);

// A dialog procedure that destroys the window when it is closed and ends the
// thread's message loop when it is destroyed.
INT_PTR CALLBACK ClosingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace perf
