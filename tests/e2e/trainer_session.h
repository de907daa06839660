// End-to-end cases with a stand-in trainer beside Sorvane: start it, feed it
// text, and check a comparison the way a tester would: the window is right when
// the status line and both selections are what the reference comparison gives
// for the two texts read back from the boxes.
#pragma once

#include "sorvane_session.h"
#include "standin_client.h"

#include <string>
#include <vector>

constexpr DWORD REFRESH_WAIT_MS = 10000;
// What the status line says when Run finds the trainer already running.
constexpr char RUNNING_NOTICE[] = "Koch Trainer is RUNNING";

class SorvaneWithTrainer : public SorvaneSession {
  protected:
    // Starts a stand-in trainer that the case ends; frame is null when it failed.
    standin::Standin StartTrainer(const std::string& arguments = "",
                                  const std::string& caption = STANDIN_CAPTION);

    // Starts a stand-in trainer (with its text replaced by these bytes), then
    // Sorvane beside it; frame is null when either did not start.
    standin::Standin StartWithTrainer(const std::string& arguments = "");
    standin::Standin StartWithTrainerText(const std::string& text);

    // A stand-in whose caption is one character off: the trainer counts as not
    // running, and its counters show that nothing was sent.
    standin::Standin StartLookalike();

    // Ends a stand-in this case started, before the case ends.
    void StopTrainer(standin::Standin& trainer);

    // Presses Compare until box 101 shows `expected` (the refresh has read the
    // trainer's current text); false when it never does.
    bool CompareUntilShown(const std::string& expected, DWORD timeoutMs = REFRESH_WAIT_MS) {
        return drive::CompareUntilShown(Window(), expected, timeoutMs);
    }
    // Sets `typed` into box 102 first.
    bool TypeThenCompare(const std::string& typed, const std::string& expected,
                         DWORD timeoutMs = REFRESH_WAIT_MS);

    // Checks status line and selections against the reference comparison of the
    // boxes' texts, and with `matchedCount` that the status line counts so many.
    void ExpectResultRight();
    void ExpectResultRight(int32_t matchedCount);
    // Checks them against what a case expects.
    void ExpectShown(const drive::Shown& want) {
        EXPECT_EQ(drive::ShownDifference(Window(), want), "");
    }

    // A fresh folder named `name` (spaces allowed) inside a new temporary folder,
    // removed when the case ends; empty on failure.
    std::string TempFolder(const std::string& name);

    void TearDown() override;

    // Waits for the not-running box of Sorvane's process and dismisses it, or
    // until the process shows exactly `count` such boxes.
    bool DismissNotRunningBox() {
        return drive::DismissMessageBox(drive::WaitMessageBox(ProcessId()));
    }
    bool WaitBoxCount(int count);

  private:
    // Starts Sorvane beside a stand-in that started; frame is null when it did not.
    standin::Standin WithSorvane(standin::Standin trainer);

    std::vector<std::string> folders_;
};
