// Throughput of CompareTexts on a full-size transmission (27,999 bytes of
// practice copy in lines of fifty groups) against a typed copy that matches it
// all with its own spacing, next to the floor it must not fall below: a plain
// table-driven loop.
#include "practice_copy.h"
#include "sorvane_facts.h"
#include "text_compare.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

constexpr uint32_t COPY_SEED = 7;
constexpr int GROUPS_PER_LINE = 50;
constexpr int TYPED_GROUPS_PER_LINE = 7;

std::string Transmission() {
    PracticeCopy copy = StartPracticeCopy(COPY_SEED, GROUPS_PER_LINE);
    return MakePracticeCopy(copy, TRAINER_READ_LIMIT);
}

// The same characters, lower case, typed in groups of its own spacing.
std::string TypedCopyOf(const std::string& transmitted) {
    std::string typed;
    int kept = 0;
    for (char c : transmitted) {
        if (IsBlank(static_cast<unsigned char>(c))) {
            continue;
        }
        typed += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        if (++kept % PRACTICE_GROUP_LENGTH == 0) {
            typed += kept % (PRACTICE_GROUP_LENGTH * TYPED_GROUPS_PER_LINE) == 0 ? "\r\n" : "  ";
        }
    }
    return typed;
}

// The floor: the obvious loop with one fold table and a blank test per byte.
// Kept out of line like CompareTexts, which lives in a library of its own, so
// both pay the same call and string loads.
__attribute__((noinline)) int32_t PlainTableLoop(const std::string& t, const std::string& r) {
    static const std::array<unsigned char, 256> fold = [] {
        std::array<unsigned char, 256> table{};
        for (size_t c = 0; c < table.size(); ++c) {
            table[c] = FoldCase(static_cast<unsigned char>(c));
        }
        return table;
    }();
    size_t j = 0;
    int32_t matched = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        const auto a = static_cast<unsigned char>(t[i]);
        if (a == ' ' || a == '\r' || a == '\n') {
            continue;
        }
        while (j < r.size() && (r[j] == ' ' || r[j] == '\r' || r[j] == '\n')) {
            ++j;
        }
        if (j >= r.size() || fold[a] != fold[static_cast<unsigned char>(r[j])]) {
            return matched;
        }
        ++matched;
        ++j;
    }
    return matched;
}

void BM_CompareTexts(benchmark::State& state) {
    const std::string transmitted = Transmission();
    const std::string typed = TypedCopyOf(transmitted);
    if (CompareTexts(transmitted, typed).outcome != CompareOutcome::AllMatched) {
        state.SkipWithError("typed copy does not match");
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(CompareTexts(transmitted, typed));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * transmitted.size()));
}
BENCHMARK(BM_CompareTexts);

void BM_PlainTableLoopFloor(benchmark::State& state) {
    const std::string transmitted = Transmission();
    const std::string typed = TypedCopyOf(transmitted);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlainTableLoop(transmitted, typed));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * transmitted.size()));
}
BENCHMARK(BM_PlainTableLoopFloor);

} // namespace

BENCHMARK_MAIN();
