// The in-memory dialog template from which the dialog layer creates its windows:
// no items, the standard dialog class and the fixed dialog font.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

constexpr char DIALOG_FONT_NAME[] = "MS Sans Serif";
constexpr WORD DIALOG_FONT_POINTS = 8;
constexpr size_t DIALOG_CAPTION_MAX_BYTES = 256;
// As x or y: centred on the screen.
constexpr int CENTRED_POSITION = -1;

// The style a dialog is created with: 0 becomes a captioned modal-frame popup; the
// font, no-fail and 3-D bits are always added, WS_VISIBLE (the layer shows the
// window itself) and DS_SYSMODAL are taken out, and x or y of -1 asks for DS_CENTER.
DWORD DialogCreationStyle(DWORD style, int x, int y);

// A DLGTEMPLATE followed by its variable part, as 16-bit words (so it is WORD
// aligned; the vector's storage is also DWORD aligned, as the platform requires).
// The caption is cut to DIALOG_CAPTION_MAX_BYTES and widened byte by byte; an
// empty caption becomes a single space.
std::vector<WORD> DialogTemplateBuild(const std::string& caption, DWORD style, DWORD exStyle, int x,
                                      int y, int width, int height);
