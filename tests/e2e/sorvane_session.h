// The end-to-end fixture: SorvaneSession starts Sorvane.exe under Wine, finds
// its window by the process it started and its caption, drives it with
// messages as a user would, and kills whatever it started when the case ends.
// It puts a stand-in trainer beside Sorvane when a case asks, feeds it text, and
// checks a comparison the way a tester would: the window is right when the
// status line and both selections are what the reference comparison gives for
// the two texts read back from the boxes.
#pragma once

#include "drive.h"
#include "main_window.h"
#include "practice_copy.h"
#include "sorvane_facts.h"
#include "standin_client.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// The environment variable naming the Sorvane.exe under test (a Unix path).
constexpr char SORVANE_EXE_VARIABLE[] = "SORVANE_EXE";

constexpr DWORD SESSION_EXIT_WAIT_MS = 10000;
constexpr DWORD REFRESH_WAIT_MS = 10000;

class SorvaneSession : public ::testing::Test {
  protected:
    // Fails the case when a Sorvane or trainer window is still around.
    void SetUp() override;
    // Kills every process the case started and waits for their windows to go,
    // then removes its folders.
    void TearDown() override;

    // Starts Sorvane.exe and waits for its window. With `folder`, Sorvane.exe is
    // first copied there and started from there (its own directory is where it
    // looks for the trainer). False when it did not start or show its window.
    // A Sorvane this case started before is ended first.
    bool StartSorvane(const std::string& folder = "");

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

    // A mouse click into a control, which also gives it the focus; true once it has it.
    bool ClickInto(int id) {
        drive::PostMouseClick(Control(id));
        return WaitFocus(id);
    }

    // Keys and characters go to control `id`, seen to take the focus, through the
    // program's message loop (and its dialog keyboard interface); sent to no
    // window, in a moment nothing has the focus, they would reach this thread.
    void PressKey(int id, WPARAM virtualKey) { drive::PostKey(Control(id), virtualKey); }
    void TypeChars(int id, const std::string& text) { drive::PostChars(Control(id), text); }

    HWND Focus() const { return drive::FocusOfThreadOf(Window()); }
    bool WaitFocus(int id) const {
        return drive::WaitFor([this, id] { return Focus() == Control(id); });
    }
    bool WaitText(int id, const std::string& text, DWORD timeoutMs = drive::DEFAULT_WAIT_MS) const {
        return drive::WaitFor([this, id, &text] { return Text(id) == text; }, timeoutMs);
    }
    // The status line empties within the running notice's bounds of `pressedAt`,
    // the tick count taken just before the press that showed or moved it.
    void ExpectNoticeClearedInTime(DWORD pressedAt) {
        ASSERT_TRUE(WaitText(ID_STATUS_LINE, "", NOTICE_CLEARS_LATEST_MS));
        const DWORD cleared = GetTickCount() - pressedAt;
        EXPECT_GE(cleared, NOTICE_CLEARS_EARLIEST_MS);
        EXPECT_LE(cleared, NOTICE_CLEARS_LATEST_MS);
    }

    // True when Sorvane ended within the time; its exit code is stored.
    bool WaitSorvaneExit(DWORD* exitCode, DWORD timeoutMs = SESSION_EXIT_WAIT_MS) {
        return drive::WaitExit(sorvane_.process, timeoutMs, exitCode);
    }
    // Sorvane ended within the time, with exit code 0.
    ::testing::AssertionResult EndsWithExitCodeZero();

    // Starts a stand-in trainer that the case ends; window is null when it failed.
    standin::Standin StartTrainer(const std::string& arguments = "") {
        return started_.Add(standin::StartStandin(arguments));
    }

    // Starts a stand-in trainer (with its text replaced by these bytes), then
    // Sorvane beside it; window is null when either did not start.
    standin::Standin StartWithTrainer(const std::string& arguments = "");
    standin::Standin StartWithTrainerText(const std::string& text);

    // A stand-in whose caption is one character off: the trainer counts as not
    // running, and its counters show that nothing was sent.
    standin::Standin StartLookalike() { return started_.Add(standin::StartLookalike()); }

    // Ends a stand-in this case started, before the case ends.
    void StopTrainer(standin::Standin& trainer) { started_.Kill(trainer); }

    // Presses Compare until box 101 shows `expected` (the refresh has read the
    // trainer's current text); false when it never does. Or sets `typed` into
    // box 102 first.
    bool CompareUntilShown(const std::string& expected, DWORD timeoutMs = REFRESH_WAIT_MS) {
        return drive::CompareUntilShown(Window(), expected, timeoutMs);
    }
    bool TypeThenCompare(const std::string& typed, const std::string& expected,
                         DWORD timeoutMs = REFRESH_WAIT_MS) {
        SetText(ID_TYPED_TEXT, typed);
        return CompareUntilShown(expected, timeoutMs);
    }

    // Checks status line and selections against the reference comparison of the
    // boxes' texts, and with `matchedCount` that the status line counts so many.
    void ExpectResultRight() {
        EXPECT_EQ(drive::ShownNow(Window()),
                  drive::ExpectedShown(Text(ID_TRANSMITTED_TEXT), Text(ID_TYPED_TEXT)));
    }
    void ExpectResultRight(int32_t matchedCount) {
        EXPECT_EQ(Text(ID_STATUS_LINE), drive::MatchLine(matchedCount));
        ExpectResultRight();
    }

    // A fresh folder named `name` (spaces allowed) inside a new temporary folder,
    // removed when the case ends; empty on failure.
    std::string TempFolder(const std::string& name);

    // Waits for the not-running box of Sorvane's process and dismisses it, or
    // until the process shows exactly `count` such boxes.
    bool DismissNotRunningBox() {
        return drive::DismissMessageBox(drive::WaitMessageBox(ProcessId()));
    }
    bool WaitBoxCount(int count) {
        return drive::WaitFor([&] { return drive::CountMessageBoxes(ProcessId()) == count; });
    }

  private:
    // Starts Sorvane beside a stand-in that started; window is null when it did not.
    standin::Standin WithSorvane(standin::Standin trainer);

    drive::Program sorvane_;
    drive::StartedProcesses started_;
    std::vector<std::string> folders_;
};

// How long a comparison of the longest text the link reads may take to show.
constexpr DWORD LONG_TEXT_WAIT_MS = 30000;

// Practice copy of a length, the same every time for the same seed.
struct PracticeSpec {
    size_t length;
    uint32_t seed;
};
inline std::string PracticeText(const PracticeSpec& spec) {
    PracticeCopy copy = StartPracticeCopy(spec.seed);
    return MakePracticeCopy(copy, spec.length);
}
