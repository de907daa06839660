// The Run button: the running notice and its clearing, and the launch from the
// program's own folder.
#include "sorvane_session.h"

#include "main_window.h"
#include "test_files.h"

namespace {

constexpr DWORD SECOND_PRESS_AFTER_MS = 1000;
constexpr DWORD NO_LAUNCH_WAIT_MS = 2000;
constexpr char MARKER_STATUS[] = "UNCHANGED";
// Longer than another period of a clearing timer that was left running.
constexpr DWORD RESULT_KEPT_MS = 3000;
// The refresh reads the trainer every 50 ms: about 20 reads a second, bounded
// loosely enough for a busy machine yet apart from a 100 ms refresh.
constexpr long READS_PER_SECOND_MIN = 14;
constexpr long READS_PER_SECOND_MAX = 30;
constexpr long MS_PER_SECOND = 1000;

using RunButton = SorvaneSession;

TEST_F(RunButton, RunWithTheTrainerRunningShowsTheNoticeForTwoSeconds) {
    const standin::Standin trainer = StartTrainer();
    ASSERT_NE(trainer.window, nullptr);
    ASSERT_TRUE(StartSorvane());
    const DWORD pressed = GetTickCount();
    SendClick(ID_RUN);
    EXPECT_EQ(Text(ID_STATUS_LINE), RUNNING_NOTICE);
    ExpectNoticeClearedInTime(pressed);

    // The clearing happens once: a Compare result shown after it stays. Meanwhile
    // only the refresh reads the trainer's text.
    SendClick(ID_COMPARE);
    const std::string result = Text(ID_STATUS_LINE);
    ASSERT_FALSE(result.empty());
    const long readsBefore = standin::QueryTextReads(trainer.window);
    const DWORD keptSince = GetTickCount();
    drive::PumpFor(RESULT_KEPT_MS);
    const long reads = standin::QueryTextReads(trainer.window) - readsBefore;
    const long elapsedMs = static_cast<long>(GetTickCount() - keptSince);
    EXPECT_EQ(Text(ID_STATUS_LINE), result);
    ASSERT_GE(readsBefore, 0);
    EXPECT_GE(reads * MS_PER_SECOND, READS_PER_SECOND_MIN * elapsedMs)
        << reads << " reads in " << elapsedMs << " ms";
    EXPECT_LE(reads * MS_PER_SECOND, READS_PER_SECOND_MAX * elapsedMs)
        << reads << " reads in " << elapsedMs << " ms";
}

TEST_F(RunButton, ASecondRunMovesTheClearingAndACompareResultIsClearedByTheSameTick) {
    const standin::Standin trainer = StartWithTrainer("--text EEE");
    ASSERT_NE(trainer.window, nullptr);
    ASSERT_TRUE(TypeThenCompare("EEE", "EEE"));
    SendClick(ID_RUN);
    drive::PumpFor(SECOND_PRESS_AFTER_MS);
    const DWORD secondPress = GetTickCount();
    SendClick(ID_RUN);
    EXPECT_EQ(Text(ID_STATUS_LINE), RUNNING_NOTICE);
    SendClick(ID_COMPARE);
    EXPECT_EQ(Text(ID_STATUS_LINE), drive::MatchLine(3));
    ExpectNoticeClearedInTime(secondPress);
}

// With no trainer beside it, Run shows nothing and Sorvane stays responsive;
// with one there, Run starts it from the program's own folder and says nothing.
TEST_F(RunButton, RunWithoutTheTrainerRunningStartsTheOneInTheProgramsFolderOrNothing) {
    const std::string folder = TempFolder("Sorvane Test");
    ASSERT_FALSE(folder.empty());
    ASSERT_TRUE(StartSorvane(folder));
    SetText(ID_STATUS_LINE, MARKER_STATUS);
    SendClick(ID_RUN);
    drive::PumpFor(NO_LAUNCH_WAIT_MS);
    EXPECT_EQ(drive::FindAnyTopWindow(STANDIN_CAPTION), nullptr);
    EXPECT_EQ(drive::CountMessageBoxes(ProcessId()), 0);
    EXPECT_EQ(Text(ID_STATUS_LINE), MARKER_STATUS);
    SendClick(ID_ERASE);
    EXPECT_EQ(Text(ID_STATUS_LINE), "");

    const std::string trainerCopy = folder + "\\" + STANDIN_INSTALLED_NAME;
    ASSERT_TRUE(testfiles::CopyTo(standin::StandinPath(), trainerCopy));
    SetText(ID_STATUS_LINE, MARKER_STATUS);
    SendClick(ID_RUN);
    ASSERT_NE(drive::WaitTopWindow(0, STANDIN_CAPTION), nullptr);
    EXPECT_EQ(Text(ID_STATUS_LINE), MARKER_STATUS);
    const std::string log = testfiles::ReadBytes(folder + "\\" + STANDIN_INSTALLED_LOG_NAME);
    EXPECT_EQ(standin::LogValue(log, STANDIN_LOG_PATH_KEY), trainerCopy) << log;
}

} // namespace
