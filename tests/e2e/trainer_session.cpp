#include "trainer_session.h"

#include "main_window.h"
#include "test_files.h"

namespace {
// A caption one character off the trainer's: such a program counts as not running.
constexpr char LOOKALIKE_CAPTION[] = "Koch Method CW Trainer - Brenlow.";
} // namespace

standin::Standin SorvaneWithTrainer::StartTrainer(const std::string& arguments,
                                                  const std::string& caption) {
    standin::Standin trainer = standin::StartStandin(arguments, caption);
    KillAtEnd(trainer.process);
    return trainer;
}

standin::Standin SorvaneWithTrainer::StartWithTrainer(const std::string& arguments) {
    return WithSorvane(StartTrainer(arguments));
}

standin::Standin SorvaneWithTrainer::StartWithTrainerText(const std::string& text) {
    standin::Standin trainer = StartTrainer();
    if (trainer.frame != nullptr && !standin::SetStandinText(trainer.frame, text)) {
        ADD_FAILURE() << "the stand-in did not take the text";
        trainer.frame = nullptr;
    }
    return WithSorvane(trainer);
}

standin::Standin SorvaneWithTrainer::WithSorvane(standin::Standin trainer) {
    if (trainer.frame != nullptr && !StartSorvane()) {
        ADD_FAILURE() << "Sorvane did not start";
        trainer.frame = nullptr;
    }
    return trainer;
}

standin::Standin SorvaneWithTrainer::StartLookalike() {
    return StartTrainer("--caption " + standin::Quoted(LOOKALIKE_CAPTION), LOOKALIKE_CAPTION);
}

void SorvaneWithTrainer::StopTrainer(standin::Standin& trainer) {
    KillNow(trainer.process);
    trainer.frame = nullptr;
}

bool SorvaneWithTrainer::TypeThenCompare(const std::string& typed, const std::string& expected,
                                         DWORD timeoutMs) {
    SetText(ID_TYPED_TEXT, typed);
    return CompareUntilShown(expected, timeoutMs);
}

void SorvaneWithTrainer::ExpectResultRight(int32_t matchedCount) {
    EXPECT_EQ(Text(ID_STATUS_LINE), drive::MatchLine(matchedCount));
    ExpectResultRight();
}

void SorvaneWithTrainer::ExpectResultRight() {
    ExpectShown(drive::ExpectedShown(Text(ID_TRANSMITTED_TEXT), Text(ID_TYPED_TEXT)));
}

bool SorvaneWithTrainer::WaitBoxCount(int count) {
    return drive::WaitFor([&] { return drive::CountMessageBoxes(ProcessId()) == count; });
}

std::string SorvaneWithTrainer::TempFolder(const std::string& name) {
    const std::string parent = testfiles::MakeTempFolder();
    folders_.push_back(parent);
    const std::string folder = parent + "\\" + name;
    return !parent.empty() && testfiles::MakeFolders(folder) ? folder : std::string();
}

// The folders go only once every process that may run from them has ended.
void SorvaneWithTrainer::TearDown() {
    SorvaneSession::TearDown();
    for (const std::string& folder : folders_) {
        testfiles::RemoveTree(folder);
    }
    folders_.clear();
}
