// What every trainer link test shares: no trainer window may be left over when it
// starts, and every process it caused to start is ended when it finishes. Calls
// into the link that could block run on the caller thread with a bounded wait.
#pragma once

#include "sorvane_facts.h"
#include "standin_client.h"
#include "test_files.h"
#include "trainer_link.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

constexpr DWORD LINK_CALL_TIMEOUT_MS = 15000;
constexpr char NOT_RETURNED[] = "(the read did not return)";

// One caller thread, started with the program and never ended, makes the calls:
// under Wine on a loaded machine, a thread started for each call, while the
// last was still ending, at times did not begin to run for 15 s. StartCall hands
// it `work` (which must own all it uses: a call that never returns outlives its
// case) and returns at once; false while an earlier call has not returned.
bool StartCall(std::function<void()> work);
// True once that call returned, waiting at most `timeoutMs`, handling messages.
bool WaitCall(DWORD timeoutMs = LINK_CALL_TIMEOUT_MS);
bool CallWithin(std::function<void()> work);

class TrainerLinkTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts a stand-in that this test ends; window is null when it did not appear.
    standin::Standin StartTrainer(const std::string& arguments) {
        return processes.Add(standin::StartStandin(arguments));
    }
    // Ends a stand-in before the case ends and waits until its window is gone.
    void StopTrainer(standin::Standin& trainer);
    // A fresh temporary folder removed when the test ends.
    std::string TempFolder() { return folders.emplace_back(testfiles::MakeTempFolder()); }

    // ReadTransmittedText / SendTrainerCommand, failing the test instead of
    // hanging when the call does not return (the read then gives NOT_RETURNED,
    // the command false).
    std::string ReadWithin();
    bool CommandWithin(const std::string& word);

    // Every process the case caused to start, the link's launches included.
    drive::StartedProcesses processes;

  private:
    std::vector<std::string> folders;
};
