// The stand-in trainer shows the facts the trainer link relies on, in its own process.
#include "standin_client.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {

constexpr DWORD EXIT_WAIT_MS = 10000;

class StandinTrainer : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(drive::WaitNoTopWindow(STANDIN_CAPTION)) << "a trainer window is left over";
        ASSERT_FALSE(standin::StandinPath().empty());
    }
    void TearDown() override {
        drive::KillProcess(trainer.process);
        testfiles::RemoveTree(folder);
    }
    // Starts the stand-in and returns its only child; null when either is missing.
    HWND StartForChild(const std::string& arguments) {
        trainer = standin::StartStandin(arguments);
        return trainer.window == nullptr ? nullptr : drive::OnlyChild(trainer.window);
    }
    standin::Standin trainer;
    std::string folder;
};

} // namespace

// Like the platform's controls, WM_GETTEXT copies at most count - 1 bytes, then
// a NUL, and answers the number of bytes copied.
TEST_F(StandinTrainer, ShowsTheTrainerCaptionAndADirectTextChildThatCopiesLikeAControl) {
    HWND child = StartForChild("--text ABCDEFG");
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(drive::ClassName(child), STANDIN_TEXT_CLASS);
    EXPECT_EQ(drive::WindowText(child), "ABCDEFG");
    EXPECT_EQ(drive::WindowText(trainer.window), STANDIN_CAPTION);
    const std::tuple<WPARAM, LRESULT, std::string> rows[] = {{5, 4, std::string("ABCD\0", 5)},
                                                             {1, 0, std::string(1, '\0')}};
    for (const auto& [count, copied, start] : rows) {
        char buffer[64];
        std::memset(buffer, 'x', sizeof(buffer));
        EXPECT_EQ(drive::Send(child, WM_GETTEXT, count, reinterpret_cast<LPARAM>(buffer)), copied);
        EXPECT_EQ(std::string(buffer, start.size()), start);
    }
    EXPECT_EQ(drive::Send(child, WM_GETTEXTLENGTH), 7);
}

TEST_F(StandinTrainer, StartSendsPracticeCopyAndStopHaltsIt) {
    // Enough copy for a whole line; where the first group ends and where the
    // first line of ten groups ends.
    constexpr size_t SENT_LENGTH_WANTED = 130;
    constexpr size_t FIRST_GAP_INDEX = 5;
    constexpr size_t FIRST_LINE_BREAK_INDEX = 59;
    constexpr DWORD SETTLE_MS = 300;
    HWND child = StartForChild("--pace-ms 2");
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(drive::WindowText(child), "");
    drive::Send(trainer.window, STANDIN_MSG_START);
    EXPECT_TRUE(standin::QuerySending(trainer.window));
    EXPECT_TRUE(
        drive::WaitFor([&] { return drive::WindowText(child).size() >= SENT_LENGTH_WANTED; }));
    drive::Send(trainer.window, STANDIN_MSG_STOP);
    EXPECT_FALSE(standin::QuerySending(trainer.window));
    const std::string stopped = drive::WindowText(child);
    drive::PumpFor(SETTLE_MS);
    EXPECT_EQ(drive::WindowText(child), stopped);
    EXPECT_EQ(stopped[FIRST_GAP_INDEX], ' ');
    EXPECT_EQ(stopped.substr(FIRST_LINE_BREAK_INDEX, 2), "\r\n");
    EXPECT_EQ(standin::QueryCounts(trainer.window), (standin::MessageCounts{1, 1}));
}

TEST_F(StandinTrainer, CloseBoxOrTimeLimitEndsItWithExitCodeZero) {
    for (const bool closeBox : {true, false}) {
        SCOPED_TRACE(closeBox ? "close box" : "time limit");
        trainer = standin::StartStandin(closeBox ? "" : "--exit-after-ms 500");
        ASSERT_NE(trainer.window, nullptr);
        if (closeBox) {
            PostMessageA(trainer.window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        DWORD exitCode = 1;
        EXPECT_TRUE(drive::WaitExit(trainer.process, EXIT_WAIT_MS, &exitCode));
        EXPECT_EQ(exitCode, 0u);
        drive::KillProcess(trainer.process);
    }
}

TEST_F(StandinTrainer, BareStartLogsItsDirectoryAndPathBesideItself) {
    folder = testfiles::MakeTempFolder();
    ASSERT_FALSE(folder.empty());
    const std::string exe = folder + "\\" + STANDIN_INSTALLED_NAME;
    ASSERT_TRUE(testfiles::CopyTo(standin::StandinPath(), exe));
    trainer = drive::StartProgram(exe, "", STANDIN_CAPTION, "C:\\");
    ASSERT_NE(trainer.window, nullptr);
    const std::string log = testfiles::ReadBytes(folder + "\\" + STANDIN_INSTALLED_LOG_NAME);
    EXPECT_NE(log.find(std::string(STANDIN_LOG_DIRECTORY_KEY) + "C:\\\r\n"), std::string::npos)
        << log;
    EXPECT_NE(log.find(std::string(STANDIN_LOG_PATH_KEY) + exe + "\r\n"), std::string::npos) << log;
}

TEST_F(StandinTrainer, TextFileGivesTheInitialTextAndCopyDataReplacesItNulIncluded) {
    folder = testfiles::MakeTempFolder();
    ASSERT_FALSE(folder.empty());
    const std::string file = folder + "\\text.bin";
    const std::string fromFile("CQ\0DE\xff", 6), copied("AB\0CD", 5);
    ASSERT_TRUE(testfiles::WriteBytes(file, fromFile));
    HWND child = StartForChild("--text-file " + standin::Quoted(file));
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(drive::Send(child, WM_GETTEXTLENGTH), static_cast<LRESULT>(fromFile.size()));
    EXPECT_EQ(drive::WindowText(child), fromFile);
    ASSERT_TRUE(standin::SetStandinText(trainer.window, copied));
    EXPECT_EQ(drive::Send(child, WM_GETTEXTLENGTH), static_cast<LRESULT>(copied.size()));
    EXPECT_EQ(drive::WindowText(child), copied);
}

TEST_F(StandinTrainer, ReplacingEveryFewMillisecondsChangesTheText) {
    HWND child = StartForChild("--text FIXED --replace-every-ms 50");
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(drive::WaitFor([&] { return drive::WindowText(child) != "FIXED"; }));
    const std::string first = drive::WindowText(child);
    EXPECT_TRUE(drive::WaitFor([&] { return drive::WindowText(child) != first; }));
}
