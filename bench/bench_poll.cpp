// The audience's vote is drawn by rejection: a few thousand draws of four shares until
// they add up to 100 with the right answer leading. It must still feel instant.
#include "core/poll.h"
#include "core/random.h"

#include <benchmark/benchmark.h>

namespace {

const zk::AnswersInPlay kAllFour{true, true, true, true};

// Each poll re-seeds from the clock; a clock that moves on between polls gives each a
// different draw, as in play.
std::uint32_t g_clock = 0;

void NextClock()
{
    g_clock = (g_clock + 7919u) % 86400000u;
    zk::SetTimeOfDaySource([] { return g_clock; });
}

// The whole vote as "Показать результат" takes it (nine right polls in ten).
void BM_AudienceVote(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        NextClock();
        state.ResumeTiming();
        benchmark::DoNotOptimize(zk::TakeAudienceVote('b', false, kAllFour));
    }
}

// One poll per repetition, so the median below is the median of single polls.
void BM_AudienceVoteSingle(benchmark::State& state)
{
    NextClock();
    for (auto _ : state)
        benchmark::DoNotOptimize(zk::TakeAudienceVote('b', false, kAllFour));
}

void BM_MakeRightPoll(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        NextClock();
        state.ResumeTiming();
        benchmark::DoNotOptimize(zk::MakeRightPoll('c', false, kAllFour));
    }
}

void BM_MakeWrongPoll(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        NextClock();
        state.ResumeTiming();
        benchmark::DoNotOptimize(zk::MakeWrongPoll('c', false, kAllFour));
    }
}

}  // namespace

BENCHMARK(BM_AudienceVote)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_AudienceVoteSingle)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1)
    ->Repetitions(2001)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_MakeRightPoll)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_MakeWrongPoll)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
