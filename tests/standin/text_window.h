// The stand-in's transmitted-text window: a small window class that keeps its
// text in memory (any bytes, NUL included), paints its tail, and answers
// WM_GETTEXT / WM_GETTEXTLENGTH / WM_SETTEXT itself as the platform's controls do.
// Unlike an edit box it stays fast at tens of thousands of characters.
#pragma once

#include <windows.h>

#include <string>

bool RegisterTextWindowClass(HINSTANCE instance, const char* className);

// Milliseconds slept before answering a message from outside, the text window's
// or the frame's, and that sleep.
void SetTextReplyDelay(DWORD delayMs);
void DelayReply();

HWND CreateTextWindow(HWND parent, const char* className, const std::string& text);

// WM_GETTEXT messages answered by every text window of this process so far.
DWORD TextReadsAnswered();

// Replaces the window's text, or adds to its end.
void TextWindowSet(HWND window, const std::string& text, bool append = false);
