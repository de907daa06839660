// The cost of one ReadTransmittedText against a trainer holding 28,000
// characters: the work the companion does on every refresh tick. Wall-clock
// time of the calling thread, so it includes the trainer's answer and Wine's
// cross-process copy. Each repetition times a single call, so the median
// aggregate is the median call; core_share_percent is the share of one core
// that one such call per refresh tick takes.
// Usage: trainer_read_bench [--benchmark_...] STANDIN_TRAINER_EXE
#include "main_dialog_callback.h"
#include "standin_client.h"
#include "trainer_link.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

// The most the link reads: its buffer less the terminating NUL and one more.
constexpr size_t EXPECTED_LENGTH = TEXT_BUFFER_SIZE - 2;
constexpr int CALLS = 1000;
constexpr int WARM_UP_CALLS = 20;
constexpr double MS_PER_SECOND = 1000.0;
constexpr double PERCENT = 100.0;
constexpr double TICK_SECONDS_PER_PERCENT = TIMER_REFRESH_MS / MS_PER_SECOND / PERCENT;
constexpr int USAGE_ERROR = 2;
constexpr int SETUP_ERROR = 1;

void BM_ReadTransmittedText(benchmark::State& state) {
    for (auto _ : state) {
        if (ReadTransmittedText().size() != EXPECTED_LENGTH) {
            state.SkipWithError("the text read is not the trainer's whole text");
            break;
        }
    }
    // Google Benchmark divides a rate counter by the run's time (and multiplies an
    // iteration-invariant one by the calls), then inverts it: time per call over
    // the tick's length, in percent. Its console marks inverted rates with "s".
    state.counters["core_share_percent"] =
        benchmark::Counter(TICK_SECONDS_PER_PERCENT, benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!drive::AnsiCodePageIsExpected()) {
        return SETUP_ERROR;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: trainer_read_bench [--benchmark_...] STANDIN_TRAINER_EXE\n");
        return USAGE_ERROR;
    }
    drive::Process trainer =
        drive::StartProcess(drive::ToWindowsPath(argv[1]), standin::FILL_BEYOND_READ_LIMIT);
    if (drive::WaitTopWindow(trainer.id, STANDIN_CAPTION) == nullptr) {
        std::fprintf(stderr, "the stand-in trainer did not start\n");
        drive::KillProcess(trainer);
        return SETUP_ERROR;
    }
    for (int i = 0; i < WARM_UP_CALLS; ++i) {
        ReadTransmittedText();
    }
    benchmark::RegisterBenchmark("ReadTransmittedText", BM_ReadTransmittedText)
        ->Iterations(1)
        ->Repetitions(CALLS)
        ->ReportAggregatesOnly(true)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    drive::KillProcess(trainer);
    return 0;
}
