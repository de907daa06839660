// A short soak: about a minute of refresh ticks beside a trainer holding 1,000
// characters, with 200 Compare presses spread over it. Resident memory and the
// object counts Wine reports must not grow beyond generous bounds; the full
// soak and its strict targets are a benchmark.
#include "box_text.h"
#include "compare_presses.h"
#include "process_probe.h"
#include "resource_snapshot.h"
#include "sorvane_session.h"
#include "standin_client.h"

#include <cstdlib>

namespace {

constexpr char SORVANE_EXE_NAME[] = "Sorvane.exe";
constexpr char TRAINER_ARGUMENTS[] = "--fill 1000";
constexpr size_t TRAINER_TEXT_CHARS = 1000;
constexpr size_t READ_BUFFER_BYTES = 28001;
constexpr int TYPED_BOX = 102;
constexpr int STATUS_LINE = 103;
constexpr DWORD LINUX_PID_WAIT_MS = 5000;
constexpr DWORD WARM_UP_MS = 5000;
constexpr int WARM_UP_PRESSES = 20;
constexpr DWORD SOAK_MS = 60000; // about 1,200 refresh ticks
constexpr int SOAK_PRESSES = 200;
constexpr DWORD SETTLE_MS = 2000;
constexpr long long RESIDENT_GROWTH_LIMIT_KB = 2048;
constexpr long long COUNT_TOLERANCE = 2;

using SorvaneSoak = SorvaneSession;

// A count Wine does not report (NOT_REPORTED on both sides) passes unchecked.
void ExpectNoGrowth(const char* what, long long before, long long after) {
    EXPECT_LE(after, before + COUNT_TOLERANCE) << what << " grew from " << before;
}

} // namespace

TEST_F(SorvaneSoak, ShortSoakKeepsMemoryAndObjectCountsFlat) {
    standin::Standin trainer = standin::StartStandin(TRAINER_ARGUMENTS);
    KillAtEnd(trainer.process);
    ASSERT_NE(trainer.frame, nullptr) << "the stand-in trainer did not start";
    const std::vector<int> earlier = perf::LinuxPidsRunning(SORVANE_EXE_NAME);
    ASSERT_TRUE(StartSorvane());
    const int linuxPid = perf::WaitNewLinuxPid(SORVANE_EXE_NAME, earlier, LINUX_PID_WAIT_MS);
    ASSERT_NE(linuxPid, 0) << "no Linux process found for Sorvane.exe";
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, ProcessId());
    ASSERT_NE(process, nullptr);

    const std::string text = perf::ReadTrainerText(trainer.frame, READ_BUFFER_BYTES);
    ASSERT_EQ(text.size(), TRAINER_TEXT_CHARS);
    SetText(TYPED_BOX, text);
    ASSERT_EQ(perf::PressEvenly(Window(), WARM_UP_PRESSES, WARM_UP_MS), WARM_UP_PRESSES);
    const perf::ResourceSnapshot before = perf::TakeSnapshot(process, ProcessId(), linuxPid);
    const int answered = perf::PressEvenly(Window(), SOAK_PRESSES, SOAK_MS);
    Sleep(SETTLE_MS);
    const perf::ResourceSnapshot after = perf::TakeSnapshot(process, ProcessId(), linuxPid);
    CloseHandle(process);

    EXPECT_EQ(answered, SOAK_PRESSES);
    EXPECT_EQ(std::atol(Text(STATUS_LINE).c_str()), static_cast<long>(NonBlankCount(text)))
        << Text(STATUS_LINE);
    ASSERT_NE(before.residentKb, perf::NOT_REPORTED);
    EXPECT_LT(after.residentKb - before.residentKb, RESIDENT_GROWTH_LIMIT_KB)
        << "resident memory grew from " << before.residentKb << " KB to " << after.residentKb;
    ExpectNoGrowth("handle count", before.handles, after.handles);
    ExpectNoGrowth("GDI objects", before.gdiObjects, after.gdiObjects);
    ExpectNoGrowth("USER objects", before.userObjects, after.userObjects);
    ExpectNoGrowth("window count", before.windows, after.windows);
    ExpectNoGrowth("Linux threads", before.threads, after.threads);
    ExpectNoGrowth("Linux file descriptors", before.linuxFiles, after.linuxFiles);
}
