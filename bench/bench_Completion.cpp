// Speed of the completion checks on a large family: 3 spouses, a 10-row marital status table and
// 10 dependants, each with 40 change-of-circumstance rows and a table of periods overseas. With
// argument 1 the last dependant never counts (5 % care all year), so the search for the
// maintenance-relevant dependants walks every change date instead of stopping early.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "assessment/Completion.h"
#include "data/Dates.h"
#include "data/FieldStore.h"
#include "platform/RecordingDialogs.h"

namespace {

using namespace ftb;
using data::FieldStore;
using data::TextList;
using std::chrono::days;

constexpr data::Date kYearStart{std::chrono::year{2001} / 7 / 1};

// prefix + n (spelled out: "literal" + std::to_string trips GCC 12's -Wrestrict at -O3).
std::string Numbered(const char* prefix, int n) {
    std::string text(prefix);
    text.append(std::to_string(n));
    return text;
}

std::string Day(int offset) { return data::FormatDate(kYearStart + days{offset}); }

template <class Fill>
void AddWorksheet(FieldStore& store, int list, Fill fill) {
    const int number = store.HighestWorksheetNumber(list) + 1;
    store.OpenWorksheetList(list);
    store.ResetPerWorksheetFields();
    fill();
    store.StoreWorksheet(list, number);
}

// 40 dated changes over the year: study ceased and resumed, care changed, a payment started
// and stopped.
TextList Changes(int dependant, int lastCare) {
    static const char* const kEvents[] = {
        "Ceased full time education",
        "Commenced or resumed full time education",
        "Change of shared care %",
        "Commenced receiving pension / benefit / payment under labour market program",
        "Ceased receiving pension / benefit / payment under labour market program",
    };
    TextList cells;
    for (int row = 0; row < 40; ++row) {
        const char* event = kEvents[row % 5];
        cells.push_back(Day(3 + row * 9 + dependant % 3));
        cells.push_back(event);
        cells.push_back(row % 5 == 2 ? std::to_string(row % 10 == 2 ? 60 : lastCare) : "");
    }
    return cells;
}

FieldStore LargeFamily(bool oneNeverCounts) {
    FieldStore store;
    store.SetFieldVal(1268, 1);
    store.SetFieldStr(1269, "1");
    store.SetFieldStr(1257, "1");
    store.SetFieldLst(1264, {"First Payer", "Second Payer"});
    store.SetFieldVal(96, 21000);

    for (int s = 1; s <= 3; ++s)
        AddWorksheet(store, data::kSpouseList, [&] {
            store.SetFieldStr(710, Numbered("Spouse ", s));
            for (int field : {717, 718, 719, 720, 721, 722}) store.SetFieldVal(field, 150 * s);
            store.SetFieldChecked(1106);
        });

    // Ten periods of 36 or 37 days, the partners taking turns with single periods.
    TextList marital;
    for (int row = 0; row < 10; ++row) {
        marital.push_back(row % 4 == 3 ? std::string("Single") : Numbered("Spouse ", row % 3 + 1));
        marital.push_back(Day(row * 36));
        marital.push_back(Day(row == 9 ? 364 : row * 36 + 35));
        marital.push_back("");
    }
    store.SetFieldLst(1250, marital);

    for (int d = 0; d < 10; ++d) {
        const bool neverCounts = oneNeverCounts && d == 9;
        AddWorksheet(store, data::kDependantList, [&] {
            store.SetFieldStr(710, Numbered("Child ", d));
            store.SetFieldStr(713, Numbered("15/03/", 1987 + d));  // aged 5 to 14
            for (int field : {718, 719, 720, 723, 724}) store.SetFieldVal(field, data::kExplicitZero);
            store.SetFieldVal(725, 1000 + 300 * d);
            store.SetFieldVal(727, neverCounts ? 5 : 100);
            store.SetFieldVal(728, 2);
            store.SetFieldVal(730, 1);
            store.SetFieldVal(731, 1);
            store.SetFieldVal(715, 2);
            store.SetFieldVal(1104, 1);
            store.SetFieldLst(732, Changes(d, neverCounts ? 5 : 80));
            store.SetFieldLst(747, {Day(20 + d), Day(40 + d), Day(150 + d), Day(170 + d)});
            store.SetFieldChecked(1106);
        });
    }
    return store;
}

void BM_RunCompletionChecks(benchmark::State& state) {
    const FieldStore store = LargeFamily(state.range(0) != 0);
    platform::RecordingDialogs dialogs;
    TextList lines;
    for (auto _ : state) {
        lines.clear();
        benchmark::DoNotOptimize(assessment::RunCompletionChecks(store, dialogs, lines));
    }
    state.counters["warnings"] = static_cast<double>(lines.size() / 3);
}
BENCHMARK(BM_RunCompletionChecks)->Arg(0)->Arg(1)->ArgName("oneNeverCounts")
    ->Unit(benchmark::kMillisecond);

void BM_DependantMaintenanceDone(benchmark::State& state) {
    const FieldStore store = LargeFamily(state.range(0) != 0);
    platform::RecordingDialogs dialogs;
    std::int32_t pending = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(assessment::DependantMaintenanceDone(store, dialogs, pending));
}
BENCHMARK(BM_DependantMaintenanceDone)->Arg(0)->Arg(1)->ArgName("oneNeverCounts")
    ->Unit(benchmark::kMillisecond);

void BM_SpousalMaintenanceDone(benchmark::State& state) {
    const FieldStore store = LargeFamily(false);
    std::int32_t pending = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(assessment::SpousalMaintenanceDone(store, true, pending));
}
BENCHMARK(BM_SpousalMaintenanceDone)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
