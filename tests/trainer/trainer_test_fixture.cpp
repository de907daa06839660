#include "trainer_test_fixture.h"

#include <memory>
#include <utility>

namespace {

// The caller thread's work, handed over while it is idle (the event set).
const HANDLE WorkReady = CreateEventA(nullptr, FALSE, FALSE, nullptr);
const HANDLE CallerIdle = CreateEventA(nullptr, TRUE, TRUE, nullptr);
std::function<void()> Work;

// Waits for work without end: the program's exit ends the thread.
DWORD WINAPI CallerLoop(void*) {
    while (WaitForSingleObject(WorkReady, INFINITE) == WAIT_OBJECT_0) {
        Work();
        SetEvent(CallerIdle);
    }
    return 0;
}

// Started as the program starts, before any case; never joined.
const HANDLE Caller = CreateThread(nullptr, 0, CallerLoop, nullptr, 0, nullptr);

bool CallerIsIdle() {
    return WaitForSingleObject(CallerIdle, 0) == WAIT_OBJECT_0;
}

} // namespace

bool StartCall(std::function<void()> work) {
    if (Caller == nullptr || !CallerIsIdle()) {
        return false;
    }
    Work = std::move(work);
    ResetEvent(CallerIdle);
    SetEvent(WorkReady);
    return true;
}

bool WaitCall(DWORD timeoutMs) {
    return drive::WaitFor(CallerIsIdle, timeoutMs);
}

bool CallWithin(std::function<void()> work) {
    return StartCall(std::move(work)) && WaitCall();
}

void TrainerLinkTest::SetUp() {
    ASSERT_TRUE(drive::WaitNoTopWindow(STANDIN_CAPTION)) << "a trainer window is left over";
    ASSERT_FALSE(standin::StandinPath().empty()) << standin::PATH_VARIABLE << " is not set";
}

void TrainerLinkTest::TearDown() {
    processes.KillAll();
    for (const std::string& folder : folders) {
        testfiles::RemoveTree(folder);
    }
}

void TrainerLinkTest::StopTrainer(standin::Standin& trainer) {
    const HWND frame = trainer.window;
    processes.Kill(trainer);
    EXPECT_TRUE(drive::WaitFor([frame] { return !IsWindow(frame); })) << "the trainer stayed";
}

// The result lives on the heap so that a call that never returns cannot write
// into a finished test's stack.
std::string TrainerLinkTest::ReadWithin() {
    auto result = std::make_shared<std::string>();
    const bool finished = CallWithin([result] { *result = ReadTransmittedText(); });
    EXPECT_TRUE(finished) << "ReadTransmittedText did not return";
    return finished ? *result : NOT_RETURNED;
}

bool TrainerLinkTest::CommandWithin(const std::string& word) {
    const bool finished = CallWithin([word] { SendTrainerCommand(word); });
    EXPECT_TRUE(finished) << "SendTrainerCommand(\"" << word << "\") did not return";
    return finished;
}
