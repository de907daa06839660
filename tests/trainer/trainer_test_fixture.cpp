#include "trainer_test_fixture.h"

#include <memory>
#include <thread>

bool CallWithin(const std::function<void()>& work) {
    return RunDetached(work).wait_for(std::chrono::milliseconds(LINK_CALL_TIMEOUT_MS)) ==
           std::future_status::ready;
}

std::future<void> RunDetached(const std::function<void()>& work) {
    auto done = std::make_shared<std::promise<void>>();
    std::thread([work, done] {
        work();
        done->set_value();
    }).detach();
    return done->get_future();
}

void TrainerLinkTest::SetUp() {
    ASSERT_EQ(FindWindowA(nullptr, STANDIN_CAPTION), nullptr) << "a trainer window is left over";
    ASSERT_FALSE(standin::StandinPath().empty()) << standin::PATH_VARIABLE << " is not set";
}

void TrainerLinkTest::TearDown() {
    for (DWORD processId : launched) {
        drive::KillProcessById(processId); // 0 opens nothing
    }
    for (standin::Standin& trainer : trainers) {
        standin::StopStandin(trainer);
    }
    for (const std::string& folder : folders) {
        testfiles::RemoveTree(folder);
    }
}

standin::Standin TrainerLinkTest::StartTrainer(const std::string& arguments,
                                               const std::string& caption) {
    trainers.push_back(standin::StartStandin(arguments, caption));
    return trainers.back();
}

void TrainerLinkTest::StopTrainer(standin::Standin& trainer) {
    const HWND frame = trainer.frame;
    for (standin::Standin& started : trainers) {
        if (started.process.id == trainer.process.id) {
            standin::StopStandin(started);
        }
    }
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

bool TrainerLinkTest::SendWithin(const std::string& word) {
    const bool finished = CallWithin([word] { SendTrainerCommand(word); });
    EXPECT_TRUE(finished) << "SendTrainerCommand(\"" << word << "\") did not return";
    return finished;
}
