// The event handler of the companion window: the dialog callback the window runs
// with, called for every message of MainDialog on the window's one thread. It
// runs the two timers, keeps LatestTransmission up to date from the trainer and
// acts on the six buttons.
#pragma once

#include <windows.h>

// Clears the status line 2 s after Run found the trainer running; one-shot.
constexpr UINT_PTR TIMER_STATUS_CLEAR = 1;
constexpr UINT TIMER_STATUS_CLEAR_MS = 2000;
// Reads the trainer's transmitted text into LatestTransmission; periodic.
constexpr UINT_PTR TIMER_REFRESH = 2;
constexpr UINT TIMER_REFRESH_MS = 50;

constexpr char STATUS_TRAINER_RUNNING[] = "Koch Trainer is RUNNING";

// Returns 0 for every message, so the dialog layer's defaults always follow.
INT_PTR MainDialogCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
