// Speed of the field store: the accessors every screen and check uses, worksheet store and load
// on a list of 20 worksheets x 60 entries, and the worksheet query the assessment code scans with.
#include <benchmark/benchmark.h>

#include <string>

#include "data/Ext80.h"
#include "data/FieldStore.h"

namespace {

using namespace ftb::data;

// prefix + n (spelled out: "literal" + std::to_string trips GCC 12's -Wrestrict at -O3).
std::string Numbered(const char* prefix, int n) {
    std::string text(prefix);
    text.append(std::to_string(n));
    return text;
}

void BM_GetFieldVal(benchmark::State& state) {
    FieldStore store;
    for (int f = 1; f <= 100; ++f) store.SetFieldVal(f, 1234.56L * f);
    int f = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.GetFieldVal(f, true));
        f = f == 100 ? 1 : f + 1;
    }
}
BENCHMARK(BM_GetFieldVal);

void BM_SetFieldVal(benchmark::State& state) {
    FieldStore store;
    long double v = 0.25L;
    int f = 1;
    for (auto _ : state) {
        store.SetFieldVal(f, v);
        v += 1.0L;
        f = f == 100 ? 1 : f + 1;
    }
    benchmark::DoNotOptimize(store.Modified());
}
BENCHMARK(BM_SetFieldVal);

void BM_GetFieldStr(benchmark::State& state) {
    FieldStore store;
    store.SetFieldStr(10, "Smith");                          // inline
    store.SetFieldStr(11, "12 Long Street, Sometown 2000");  // held
    const int field = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(store.GetFieldStr(field));
}
BENCHMARK(BM_GetFieldStr)->Arg(10)->Arg(11)->ArgName("field(10=short,11=long)");

void BM_SetFieldStr(benchmark::State& state) {
    FieldStore store;
    const std::string a = state.range(0) ? "12 Long Street, Sometown 2000" : "Smith";
    const std::string b = state.range(0) ? "14 Long Street, Sometown 2000" : "Jones";
    bool flip = false;
    for (auto _ : state) {
        store.SetFieldStr(10, flip ? a : b);
        flip = !flip;
    }
}
BENCHMARK(BM_SetFieldStr)->Arg(0)->Arg(1)->ArgName("long");

void BM_GetFieldText(benchmark::State& state) {
    FieldStore store;
    const auto kind = static_cast<FieldKind>(state.range(0));
    store.SetFieldKind(20, kind);
    switch (kind) {
        case fkInteger:
        case fkDollars:
        case fkCents:
            store.SetFieldVal(20, 1234.56L);
            break;
        case fkShortText:
            store.SetFieldStr(20, "Smith");
            break;
        case fkCheck:
            store.SetFieldChecked(20);
            break;
        default:
            break;
    }
    for (auto _ : state) benchmark::DoNotOptimize(store.GetFieldText(20));
}
BENCHMARK(BM_GetFieldText)
    ->Arg(fkInteger)
    ->Arg(fkDollars)
    ->Arg(fkCents)
    ->Arg(fkShortText)
    ->Arg(fkCheck)
    ->ArgName("kind");

// The digit-string path of the amount display (values too close to a half for the fast path).
void BM_GetFieldTextCentsNearHalf(benchmark::State& state) {
    FieldStore store;
    store.SetFieldKind(20, fkCents);
    store.SetFieldVal(20, 1234.565L);
    for (auto _ : state) benchmark::DoNotOptimize(store.GetFieldText(20));
}
BENCHMARK(BM_GetFieldTextCentsNearHalf);

void BM_EncodeDecodeExt80(benchmark::State& state) {
    long double v = 1234.56L;
    for (auto _ : state) {
        const Ext80Bytes bytes = EncodeExt80(v);
        v = DecodeExt80(bytes) + 0.5L;
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_EncodeDecodeExt80);

// 60 per-worksheet fields of mixed kinds: 20 amounts, 20 short texts, 10 long texts, 5 checks,
// 5 text lists.
void FillWorksheet(FieldStore& store, int k) {
    int f = 710;
    auto next = [&] {
        const int field = f;
        f = (f == 750) ? 1100 : f + 1;
        return field;
    };
    store.SetFieldStr(next(), Numbered("Dependant ", k));
    for (int i = 0; i < 20; ++i) store.SetFieldVal(next(), 100.25L * (i + k));
    for (int i = 0; i < 19; ++i) store.SetFieldStr(next(), Numbered("T", i));
    for (int i = 0; i < 10; ++i) store.SetFieldStr(next(), Numbered("A long text number ", i));
    for (int i = 0; i < 5; ++i) store.SetFieldChecked(next());
    for (int i = 0; i < 5; ++i)
        store.SetFieldLst(next(), TextList{"01/07/2001", "30/06/2002", "x"});
}

void FillList(FieldStore& store) {
    store.OpenWorksheetList(kDependantList);
    for (int k = 1; k <= 20; ++k) {
        FillWorksheet(store, k);
        store.StoreWorksheet(kDependantList, k);
    }
}

// Load a worksheet from the middle of the list, then store it back in place (the frame's round
// trip when the claimant opens and leaves one dependant).
void BM_LoadStoreWorksheet(benchmark::State& state) {
    FieldStore store;
    FillList(store);
    int k = 10;
    for (auto _ : state) {
        store.LoadWorksheet(kDependantList, k);
        store.StoreWorksheet(kDependantList, k);
        k = k == 20 ? 1 : k + 1;
    }
    state.counters["entries"] = static_cast<double>(store.GetWorksheetList(kDependantList)->size());
}
BENCHMARK(BM_LoadStoreWorksheet);

void BM_LoadWorksheet(benchmark::State& state) {
    FieldStore store;
    FillList(store);
    int k = 1;
    for (auto _ : state) {
        store.LoadWorksheet(kDependantList, k);
        k = k == 20 ? 1 : k + 1;
    }
}
BENCHMARK(BM_LoadWorksheet);

void BM_StoreWorksheet(benchmark::State& state) {
    FieldStore store;
    FillList(store);
    FieldStore source;
    FillWorksheet(source, 10);
    for (auto _ : state) {
        state.PauseTiming();
        for (int f = 710; f <= 750; ++f) store.SlotOf(f) = source.SlotOf(f);
        for (int f = 1100; f <= 1200; ++f) store.SlotOf(f) = source.SlotOf(f);
        state.ResumeTiming();
        store.StoreWorksheet(kDependantList, 10);
    }
}
BENCHMARK(BM_StoreWorksheet);

// Worst case of the linear scan: the last worksheet, a field near the start of its block.
void BM_GetWorksheetValue(benchmark::State& state) {
    FieldStore store;
    FillList(store);
    const int w = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(store.GetWorksheetValue(kDependantList, w, 711));
}
BENCHMARK(BM_GetWorksheetValue)->Arg(0)->Arg(19)->ArgName("index");

void BM_GetWorksheetColumn(benchmark::State& state) {
    FieldStore store;
    FillList(store);
    for (auto _ : state) benchmark::DoNotOptimize(store.GetWorksheetColumn(kDependantList, 710));
}
BENCHMARK(BM_GetWorksheetColumn);

}  // namespace

BENCHMARK_MAIN();
