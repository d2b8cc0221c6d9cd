// Speed of the processing of a dependant's change-of-circumstance table: one row left (what a
// claimant waits for after each cell) and every row in turn (what showing the screen does), on a
// table of N rows dated a day apart in which no rule deletes anything (the events of each
// circumstance alternate, with a shared care change every fourth row), so each pass meets the
// same table. N = 5 fills the screen's grid; 40 and 200 are long histories.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "assessment/Calendar.h"
#include "assessment/ChangeTable.h"
#include "data/Dates.h"

namespace {

using namespace ftb;
using assessment::TChangeTable;

assessment::TInitialCircumstances Initial() {
    assessment::TInitialCircumstances initial;
    initial.answers = {0, 1, 1, 1, 2, 1};
    initial.care = "100";
    return initial;
}

TChangeTable FullTable(int rows) {
    // The next event of each circumstance: on, off, on, ... from an initial off (residency: on).
    int next[6] = {0, 0, 0, 0, 0, 0};
    TChangeTable table;
    for (int row = 0; row < rows; ++row) {
        const std::string date =
            data::FormatDate(assessment::kYearStart + std::chrono::days{1 + row});
        if (row % 4 == 3) {
            table.push_back({date, assessment::kChangeOfSharedCare, std::to_string(40 + row % 50)});
            continue;
        }
        const int circumstance = 1 + row % 5;
        const bool startsOff = circumstance != assessment::ciResident;
        const bool on = (next[circumstance]++ % 2 == 0) == startsOff;
        const assessment::OffOn& pair = assessment::kEventPairs[circumstance];
        table.push_back({date, on ? pair.on : pair.off, ""});
    }
    return assessment::CarryCare(table, "100");
}

void BM_ProcessOneRow(benchmark::State& state) {
    const TChangeTable table = FullTable(static_cast<int>(state.range(0)));
    const assessment::TInitialCircumstances initial = Initial();
    for (auto _ : state) {
        assessment::TChangeOutcome outcome =
            assessment::ProcessRow(table, table.size() / 2, initial, {});
        benchmark::DoNotOptimize(outcome);
        if (!outcome.boxes.empty()) state.SkipWithError("the table is not consistent");
    }
}
BENCHMARK(BM_ProcessOneRow)->Arg(5)->Arg(40)->Arg(200);

void BM_ProcessEveryRow(benchmark::State& state) {
    const TChangeTable table = FullTable(static_cast<int>(state.range(0)));
    const assessment::TInitialCircumstances initial = Initial();
    for (auto _ : state) {
        assessment::TChangeOutcome outcome = assessment::ProcessEveryRow(table, initial, true);
        benchmark::DoNotOptimize(outcome);
        if (!outcome.boxes.empty()) state.SkipWithError("the table is not consistent");
    }
}
BENCHMARK(BM_ProcessEveryRow)->Arg(5)->Arg(40)->Arg(200);

void BM_EventsOffered(benchmark::State& state) {
    const TChangeTable table = FullTable(static_cast<int>(state.range(0)));
    const assessment::TInitialCircumstances initial = Initial();
    for (auto _ : state) {
        assessment::TEventOffer offer =
            assessment::EventsOffered(table, table.size() - 1, initial);
        benchmark::DoNotOptimize(offer);
    }
}
BENCHMARK(BM_EventsOffered)->Arg(5)->Arg(40)->Arg(200);

}  // namespace

BENCHMARK_MAIN();
