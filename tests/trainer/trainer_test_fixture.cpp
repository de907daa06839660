#include "trainer_test_fixture.h"

#include <memory>
#include <utility>

namespace {

constexpr DWORD LEFTOVER_WAIT_MS = 5000;

struct CallerThread {
    HANDLE workReady = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    // Set while the thread is not inside a call.
    HANDLE idle = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    std::function<void()> work;
};

// Waits for work without end: the program's exit ends the thread.
DWORD WINAPI CallerLoop(void* parameter) {
    auto* caller = static_cast<CallerThread*>(parameter);
    while (WaitForSingleObject(caller->workReady, INFINITE) == WAIT_OBJECT_0) {
        caller->work();
        SetEvent(caller->idle);
    }
    return 0;
}

CallerThread* StartCallerThread() {
    auto* caller = new CallerThread;
    const HANDLE thread = CreateThread(nullptr, 0, CallerLoop, caller, 0, nullptr);
    if (thread != nullptr) {
        CloseHandle(thread);
    }
    return caller;
}

// Started as the program starts, before any case.
CallerThread* const Caller = StartCallerThread();

} // namespace

bool StartCall(std::function<void()> work) {
    if (WaitForSingleObject(Caller->idle, 0) != WAIT_OBJECT_0) {
        return false;
    }
    Caller->work = std::move(work);
    ResetEvent(Caller->idle);
    SetEvent(Caller->workReady);
    return true;
}

bool WaitCall(DWORD timeoutMs) {
    return drive::WaitFor([] { return WaitForSingleObject(Caller->idle, 0) == WAIT_OBJECT_0; },
                          timeoutMs);
}

bool CallWithin(std::function<void()> work) {
    return StartCall(std::move(work)) && WaitCall();
}

void TrainerLinkTest::SetUp() {
    ASSERT_TRUE(drive::WaitNoTopWindow(STANDIN_CAPTION, LEFTOVER_WAIT_MS))
        << "a trainer window is left over";
    ASSERT_FALSE(standin::StandinPath().empty()) << standin::PATH_VARIABLE << " is not set";
}

void TrainerLinkTest::TearDown() {
    processes.KillAll();
    for (const std::string& folder : folders) {
        testfiles::RemoveTree(folder);
    }
}

standin::Standin TrainerLinkTest::StartTrainer(const std::string& arguments,
                                               const std::string& caption) {
    standin::Standin trainer = standin::StartStandin(arguments, caption);
    processes.Add(trainer.process);
    return trainer;
}

void TrainerLinkTest::StopTrainer(standin::Standin& trainer) {
    const HWND frame = trainer.frame;
    processes.Kill(trainer.process.id);
    trainer = {};
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
