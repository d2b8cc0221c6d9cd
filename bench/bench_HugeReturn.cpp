// The assessment of a huge return: 140 worksheet entries for each dependant (every per-worksheet
// field answered), 300,000 entries at the largest, as the validate-and-complete screen and
// `ftbfile check` meet it. Every dependant is a child who counts from 1 July 2001, so the walk
// for the maintenance-relevant dependants ends on its first date and what is measured is reading
// the worksheets: a step that rescans the list for each value grows with the square of its
// length, one that reads it once grows with its length.
#include <benchmark/benchmark.h>

#include <string>

#include "assessment/Completion.h"
#include "assessment/FamilyTests.h"
#include "data/FieldStore.h"
#include "platform/RecordingDialogs.h"

namespace {

using namespace ftb;
using data::FieldStore;
using data::TextList;

constexpr int kEntriesPerDependant = 140;

// prefix + n (spelled out: "literal" + std::to_string trips GCC 12's -Wrestrict at -O3).
std::string Numbered(const char* prefix, int n) {
    std::string text(prefix);
    text.append(std::to_string(n));
    return text;
}

void FillDependant(FieldStore& store, int d) {
    store.SetFieldStr(710, Numbered("Child ", d));
    store.SetFieldStr(713, Numbered("15/03/", 1988 + d % 10));  // aged 4 to 13
    for (int field : {718, 719, 720, 723, 724, 725}) store.SetFieldVal(field, data::kExplicitZero);
    store.SetFieldVal(727, 100);
    store.SetFieldVal(715, 2);
    for (int field : {728, 730, 731, 1104}) store.SetFieldVal(field, 1);
    store.SetFieldLst(732, {"01/10/2001", "Change of shared care %", "80", "01/02/2002",
                            "Change of shared care %", "100"});
    store.SetFieldLst(747, {"01/08/2001", "20/08/2001"});
    store.SetFieldChecked(1106);
    // The remaining per-worksheet fields hold answers the assessment does not read; the
    // education and departure flags stay unanswered.
    for (int field = 710; field <= 1200; ++field) {
        if (!FieldStore::IsPerWorksheetField(field) || field == 734 || field == 1101) continue;
        if (store.FieldIsEmpty(field) && store.GetFieldKind(field) == data::fkEmpty)
            store.SetFieldStr(field, "answer");
    }
}

FieldStore HugeReturn(int entries) {
    FieldStore store;
    store.SetFieldVal(1268, 1);
    store.SetFieldStr(1269, "0");
    store.SetFieldStr(1257, "1");
    store.SetFieldChecked(1265);
    store.SetFieldVal(96, 50000);
    store.OpenWorksheetList(data::kDependantList);
    for (int d = 0; d < entries / kEntriesPerDependant; ++d) {
        store.ResetPerWorksheetFields();
        FillDependant(store, d);
        store.StoreWorksheet(data::kDependantList, d + 1);
    }
    return store;
}

int Entries(const FieldStore& store) {
    return static_cast<int>(store.GetWorksheetList(data::kDependantList)->size());
}

void BM_RunCompletionChecks(benchmark::State& state) {
    const FieldStore store = HugeReturn(static_cast<int>(state.range(0)));
    platform::RecordingDialogs dialogs;
    TextList lines;
    for (auto _ : state) {
        lines.clear();
        benchmark::DoNotOptimize(assessment::RunCompletionChecks(store, dialogs, lines));
    }
    state.counters["entries"] = Entries(store);
    state.counters["warnings"] = static_cast<double>(lines.size() / 3);
}
BENCHMARK(BM_RunCompletionChecks)->Arg(30000)->Arg(100000)->Arg(300000)
    ->Unit(benchmark::kMillisecond);

void BM_MaintenanceRelevantDependants(benchmark::State& state) {
    const FieldStore store = HugeReturn(static_cast<int>(state.range(0)));
    platform::RecordingDialogs dialogs;
    TextList lines;
    for (auto _ : state) assessment::MaintenanceRelevantDependants(store, dialogs, lines);
    state.counters["entries"] = Entries(store);
    state.counters["relevant"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_MaintenanceRelevantDependants)->Arg(30000)->Arg(100000)->Arg(300000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
