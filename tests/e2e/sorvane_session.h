// The end-to-end fixture: starts Sorvane.exe under Wine, finds its window by the
// process it started and the exact caption, drives it with messages as a user
// would, and kills whatever it started when the case ends.
#pragma once

#include "drive.h"
#include "main_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The trainer's caption (Sorvane's is MAIN_DIALOG_CAPTION); a leftover window
// with either would be found instead of the one a case starts.
constexpr char TRAINER_CAPTION[] = "Koch Method CW Trainer - Brenlow";

// The environment variable naming the Sorvane.exe under test (a Unix path).
constexpr char SORVANE_EXE_VARIABLE[] = "SORVANE_EXE";

constexpr DWORD SESSION_EXIT_WAIT_MS = 10000;

class SorvaneSession : public ::testing::Test {
  protected:
    // Fails the case when a Sorvane or trainer window is still around.
    void SetUp() override;
    // Kills every process the case started and waits for their windows to go.
    void TearDown() override;

    // Starts Sorvane.exe and waits for its window. With `folder`, Sorvane.exe is
    // first copied there and started from there (its own directory is where it
    // looks for the trainer). False when it did not start or show its window.
    // A Sorvane this case started before is ended first.
    bool StartSorvane(const std::string& folder = "");

    // Has TearDown kill another process this case caused to start.
    void KillAtEnd(const drive::Process& process);
    // Ends such a process now; TearDown then leaves it (and its closed handle) alone.
    void KillNow(drive::Process& process);

    const drive::Program& Sorvane() const { return sorvane_; }
    HWND Window() const { return sorvane_.window; }
    DWORD ProcessId() const { return sorvane_.process.id; }
    HWND Control(int id) const { return GetDlgItem(Window(), id); }

    std::string Text(int id) const { return drive::WindowText(Control(id)); }
    void SetText(int id, const std::string& text) { drive::SetWindowTextAcross(Control(id), text); }
    drive::Selection Selection(int id) const { return drive::GetEditSelection(Control(id)); }

    // Button presses: posted returns at once, sent returns after the handling.
    void PostClick(int id) { drive::PostClick(Window(), id); }
    void SendClick(int id) { drive::SendClick(Window(), id); }

    // A mouse click into a control, which also gives it the focus.
    void ClickInto(int id) { drive::PostMouseClick(Control(id)); }

    // Keys and characters go to the control that has the focus, through the
    // program's message loop (and so through its dialog keyboard interface).
    void PressKey(WPARAM virtualKey) { drive::PostKey(Focus(), virtualKey); }
    void TypeChars(const std::string& text) { drive::PostChars(Focus(), text); }

    HWND Focus() const { return drive::FocusOfThreadOf(Window()); }
    bool WaitFocus(int id) const;
    bool WaitText(int id, const std::string& text, DWORD timeoutMs = drive::DEFAULT_WAIT_MS) const;

    // True when Sorvane ended within the time; its exit code is stored.
    bool WaitSorvaneExit(DWORD* exitCode, DWORD timeoutMs = SESSION_EXIT_WAIT_MS);
    // Sorvane ended within the time, with exit code 0.
    ::testing::AssertionResult EndsWithExitCodeZero();

  private:
    drive::Program sorvane_;
    std::vector<drive::Process> others_;
    std::string copiedExe_;
};
