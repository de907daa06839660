// Sorvane installed where paths are awkward: Run starts the KochMorseTrainer.exe
// beside it or nothing at all, and never a program an unquoted command line
// would find first.
#include "sorvane_session.h"

#include "launch_decoy.h"
#include "main_window.h"
#include "run_outcome.h"
#include "test_files.h"

#include <algorithm>

namespace {

// Long enough that the trainer's path passes 260 characters while Sorvane's own
// path stays within what CreateProcess accepts.
constexpr size_t NEAR_LIMIT_FOLDER_LENGTH = 245;
constexpr size_t MAX_PATH_CHARACTERS = 259;
constexpr char PADDING_LETTER = 'p';
constexpr size_t PADDING_COMPONENT = 50;

class SorvaneInstalled : public SorvaneSession {
  protected:
    // parent\Sor vane with the stand-in as KochMorseTrainer.exe and the decoy
    // as parent\Sor.exe; returns the parent, empty on failure.
    std::string PlantFolders() {
        const std::string spaced = TempFolder(DECOY_SPACED_FOLDER);
        if (spaced.empty()) {
            return {};
        }
        const std::string parent = spaced.substr(0, spaced.rfind('\\'));
        const std::string decoy = drive::PathFromEnvironment(DECOY_VARIABLE);
        return testfiles::CopyTo(decoy, parent + "\\" + DECOY_NAME) ? parent : std::string();
    }

    bool PlaceTrainer(const std::string& folder) {
        return testfiles::MakeFolders(folder) &&
               testfiles::CopyTo(standin::StandinPath(), folder + "\\" + STANDIN_INSTALLED_NAME);
    }

    // Presses Run; the trainer beside Sorvane starts (or, unless it must, nothing
    // does) and nothing else goes wrong.
    void ExpectRunStartsTheRightTrainerOrNothing(const std::string& folder,
                                                 const std::string& parent, bool mustStart) {
        SendClick(ID_RUN);
        const RunOutcome outcome = CheckRunOutcome(Window(), folder, parent, mustStart);
        EXPECT_TRUE(outcome.trainerStarted || !mustStart) << "Run started no trainer";
        EXPECT_EQ(outcome.problems, "");
    }
};

TEST_F(SorvaneInstalled, FromAFolderWithASpaceRunStartsTheTrainerBesideIt) {
    const std::string parent = PlantFolders();
    ASSERT_FALSE(parent.empty());
    const std::string folder = parent + "\\" + DECOY_SPACED_FOLDER;
    ASSERT_TRUE(PlaceTrainer(folder));
    ASSERT_TRUE(StartSorvane(folder));
    ExpectRunStartsTheRightTrainerOrNothing(folder, parent, true);
}

// Windows and Wine refuse to start a program whose path passes 260 characters
// (without long-path support), so Run starts nothing here; a system that
// starts it must start the right one.
TEST_F(SorvaneInstalled, WhereTheTrainersPathPasses260CharactersRunStartsNothingElse) {
    const std::string parent = PlantFolders();
    ASSERT_FALSE(parent.empty());
    std::string folder = parent + "\\" + DECOY_SPACED_FOLDER;
    while (folder.size() < NEAR_LIMIT_FOLDER_LENGTH) {
        const size_t letters =
            std::min(PADDING_COMPONENT, NEAR_LIMIT_FOLDER_LENGTH - folder.size() - 1);
        folder += "\\" + std::string(std::max<size_t>(letters, 1), PADDING_LETTER);
    }
    ASSERT_LE(folder.size() + 1 + sizeof(SORVANE_EXE_NAME) - 1, MAX_PATH_CHARACTERS);
    ASSERT_GT(folder.size() + 1 + sizeof(KOCH_TRAINER_EXE_NAME) - 1, MAX_PATH_CHARACTERS + 1);
    ASSERT_TRUE(PlaceTrainer(folder));
    ASSERT_TRUE(StartSorvane(folder));
    ExpectRunStartsTheRightTrainerOrNothing(folder, parent, false);
}

} // namespace
