// What every trainer link test shares: no trainer window may be left over when it
// starts, and every process it caused to start is ended when it finishes. Calls
// into the link that could block are made on a thread with a bounded wait.
#pragma once

#include "standin_client.h"
#include "test_files.h"
#include "trainer_link.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <vector>

constexpr DWORD LINK_CALL_TIMEOUT_MS = 15000;
constexpr char NOT_RETURNED[] = "(the read did not return)";
// Another version's caption: differs by more than letter case, since the
// platform's caption search ignores case.
constexpr char OTHER_CAPTION[] = "Koch Method CW Trainer - Brenlow 2";

// Runs `work` on a thread of its own, ready once it returns; or waits for it up
// to LINK_CALL_TIMEOUT_MS. A call that never returns is left running, so `work`
// must own everything it uses.
std::future<void> RunDetached(const std::function<void()>& work);
bool CallWithin(const std::function<void()>& work);

class TrainerLinkTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts a stand-in that this test ends; frame is null when it did not appear.
    standin::Standin StartTrainer(const std::string& arguments,
                                  const std::string& caption = STANDIN_CAPTION);
    // Ends a stand-in before the case ends and waits until its window is gone;
    // TearDown then leaves it alone.
    void StopTrainer(standin::Standin& trainer);
    // A process started by the link under test, known only by its identifier.
    void ForgetNot(DWORD processId) { launched.push_back(processId); }
    // A fresh temporary folder removed when the test ends.
    std::string TempFolder() { return folders.emplace_back(testfiles::MakeTempFolder()); }

    // ReadTransmittedText / SendTrainerCommand, failing the test instead of
    // hanging when the call does not return (the read then gives NOT_RETURNED,
    // the command false).
    std::string ReadWithin();
    bool SendWithin(const std::string& word);

  private:
    std::vector<standin::Standin> trainers;
    std::vector<DWORD> launched;
    std::vector<std::string> folders;
};
