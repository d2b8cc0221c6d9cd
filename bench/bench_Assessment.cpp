// The maintenance-relevant dependants of a large family: 10 dependants with 40 change-of-
// circumstance rows and an overseas table each, a 10-row marital table, three spouses. The
// claimant's income is above every threshold, so no dependant is ever found and the walk runs
// the family circumstance test on every change date: the longest walk there is.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "assessment/Calendar.h"
#include "assessment/FamilyTests.h"
#include "data/Dates.h"
#include "data/FieldStore.h"
#include "platform/RecordingDialogs.h"

namespace {

using namespace std::chrono;
using ftb::data::FieldStore;
using ftb::data::TextList;

constexpr int kDependants = 10;
constexpr int kChangeRows = 40;

std::string Day(sys_days date) { return ftb::data::FormatDate(date); }

void AddWorksheet(FieldStore& store, int list, void (*fill)(FieldStore&, int), int index) {
    const int number = store.HighestWorksheetNumber(list) + 1;
    store.OpenWorksheetList(list);
    store.ResetPerWorksheetFields();
    fill(store, index);
    store.StoreWorksheet(list, number);
}

void FillSpouse(FieldStore& store, int index) {
    store.SetFieldStr(710, "Spouse " + std::to_string(index));
    for (int field = 717; field <= 722; ++field) store.SetFieldVal(field, 1000.0L + field);
}

void FillDependant(FieldStore& store, int index) {
    static const char* const kEvents[] = {
        "Ceased full time education",
        "Commenced or resumed full time education",
        "Went absent without claimant's consent",
        "End of period of absence without consent",
        "Change of shared care %",
        "Commenced receiving pension / benefit / payment under labour market program",
        "Ceased receiving pension / benefit / payment under labour market program",
        "Ceased being an Australian resident / ceased living with the claimant",
    };
    const sys_days yearStart = 2001y / July / 1d;
    store.SetFieldStr(710, "Child " + std::to_string(index));
    store.SetFieldStr(713, Day(sys_days{1988y / January / 1d} + days{400 * index + 17}));
    store.SetFieldVal(727, 60);
    for (int field : {715, 728, 730, 731, 1104}) store.SetFieldVal(field, field == 715 ? 2 : 1);
    TextList changes;
    for (int row = 0; row < kChangeRows; ++row) {
        changes.push_back(Day(yearStart + days{(row * 9 + index * 3) % 365}));
        changes.push_back(kEvents[row % 8]);
        changes.push_back(row % 8 == 4 ? "40" : "");
    }
    store.SetFieldLst(732, changes);
    store.SetFieldLst(747, {Day(yearStart + days{20 + index}), Day(yearStart + days{60 + index}),
                            Day(yearStart + days{200 + index}), ""});
}

void BuildLargeFamily(FieldStore& store) {
    for (int i = 1; i <= 3; ++i) AddWorksheet(store, ftb::data::kSpouseList, FillSpouse, i);
    for (int i = 0; i < kDependants; ++i)
        AddWorksheet(store, ftb::data::kDependantList, FillDependant, i);
    TextList marital;
    for (int row = 0; row < 10; ++row) {
        const sys_days start = sys_days{2000y / January / 1d} + days{90 * row};
        marital.push_back(row % 3 == 2 ? "Single" : "Spouse " + std::to_string(row % 3 + 1));
        marital.push_back(Day(start));
        marital.push_back(Day(start + days{89}));
        marital.push_back("50");
    }
    store.SetFieldLst(1250, marital);
    store.SetFieldLst(1249, {"01/08/2001", "20/08/2001", "01/02/2002", "15/02/2002"});
    store.SetFieldVal(1268, 1);
    store.SetFieldVal(96, 250000);
}

void BM_ChangeDates(benchmark::State& state) {
    FieldStore store;
    BuildLargeFamily(store);
    std::size_t dates = 0;
    for (auto _ : state) dates = ftb::assessment::ChangeDates(store).size();
    state.counters["change_dates"] = static_cast<double>(dates);
}
BENCHMARK(BM_ChangeDates)->Unit(benchmark::kMicrosecond);

void BM_FamilyCircumstanceTest(benchmark::State& state) {
    FieldStore store;
    BuildLargeFamily(store);
    ftb::platform::RecordingDialogs dialogs;
    const sys_days date = 2001y / December / 1d;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ftb::assessment::FamilyCircumstanceTest(store, dialogs, date));
}
BENCHMARK(BM_FamilyCircumstanceTest)->Unit(benchmark::kMicrosecond);

void BM_MaintenanceRelevantDependants(benchmark::State& state) {
    FieldStore store;
    BuildLargeFamily(store);
    ftb::platform::RecordingDialogs dialogs;
    TextList lines;
    for (auto _ : state) {
        ftb::assessment::MaintenanceRelevantDependants(store, dialogs, lines);
        benchmark::DoNotOptimize(lines.data());
    }
    state.counters["change_dates"] =
        static_cast<double>(ftb::assessment::ChangeDates(store).size());
    state.counters["relevant"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_MaintenanceRelevantDependants)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
