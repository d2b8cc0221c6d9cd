// Saving and reading a full return: every field set, and the spouse and dependant lists with
// 20 worksheets of 60 entries each. The file steps (cipher, flushing, backup) are measured with
// the real file system; the plain format alone in memory.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "data/MemoryFileSystem.h"
#include "data/PlainFormat.h"
#include "data/TaxFile.h"
#include "platform/RecordingDialogs.h"

namespace {

using namespace ftb::data;

constexpr int kWorksheets = 20;
constexpr int kEntriesPerWorksheet = 60;

void SetValue(FieldStore& store, int field, int seed) {
    switch (seed % 7) {
        case 0:
            store.SetFieldKind(field, fkInteger);
            store.SetFieldVal(field, seed);
            break;
        case 1:
            store.SetFieldVal(field, 1000 + seed);
            break;
        case 2:
            store.SetFieldKind(field, fkCents);
            store.SetFieldVal(field, seed + 0.25L);
            break;
        case 3:
            store.SetFieldStr(field, std::to_string(seed % 1000));
            break;
        case 4:
            store.SetFieldStr(field, std::string(24, 'a').append(std::to_string(seed)));
            break;
        case 5:
            store.SetFieldChecked(field);
            break;
        default:
            store.SetFieldLst(field, {"first line", "second line", std::to_string(seed)});
            break;
    }
}

void FillStore(FieldStore& store) {
    store.SetFieldStr(1, "123456789");
    for (int list : {kSpouseList, kDependantList}) {
        store.OpenWorksheetList(list);
        for (int k = 1; k <= kWorksheets; ++k) {
            store.SetFieldStr(710, std::string(16, 'p').append(std::to_string(k)));
            int entries = 1;
            for (int field = 711; entries < kEntriesPerWorksheet; ++entries, ++field) {
                if (field == 751) field = 1100;
                SetValue(store, field, k * 100 + field);
            }
            store.StoreWorksheet(list, k);
        }
    }
    for (int field = 1; field <= kFieldCount; ++field)
        if (store.GetFieldKind(field) == fkEmpty) SetValue(store, field, field);
}

class TempDirectory {
  public:
    TempDirectory() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "bench-taxfile-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDirectory() { std::filesystem::remove_all(path_); }
    std::string File(const char* name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

void BM_SaveFullReturn(benchmark::State& state) {
    TempDirectory dir;
    FieldStore store;
    FillStore(store);
    ftb::platform::RecordingDialogs dialogs;
    TaxFile file(store, RealFileSystem(), dialogs);
    const std::string path = dir.File("R.TAX");
    for (auto _ : state) file.Save(path);
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK(BM_SaveFullReturn)->Unit(benchmark::kMillisecond);

void BM_ReadFullReturn(benchmark::State& state) {
    TempDirectory dir;
    const std::string path = dir.File("R.TAX");
    ftb::platform::RecordingDialogs dialogs;
    {
        FieldStore store;
        FillStore(store);
        TaxFile(store, RealFileSystem(), dialogs).Save(path);
    }
    FieldStore store;
    TaxFile file(store, RealFileSystem(), dialogs);
    file.SetKeySource("123456789");
    for (auto _ : state) file.Read(path);
    if (!dialogs.shown.empty() || !file.FileLoaded())
        state.SkipWithError("the return did not read back");
}
BENCHMARK(BM_ReadFullReturn)->Unit(benchmark::kMillisecond);

void BM_SaveThenReadFullReturn(benchmark::State& state) {
    TempDirectory dir;
    FieldStore store;
    FillStore(store);
    ftb::platform::RecordingDialogs dialogs;
    TaxFile writer(store, RealFileSystem(), dialogs);
    FieldStore readBack;
    TaxFile reader(readBack, RealFileSystem(), dialogs);
    reader.SetKeySource("123456789");
    const std::string path = dir.File("R.TAX");
    for (auto _ : state) {
        writer.Save(path);
        reader.Read(path);
    }
    if (!dialogs.shown.empty() || !reader.FileLoaded())
        state.SkipWithError("the return did not read back");
}
BENCHMARK(BM_SaveThenReadFullReturn)->Unit(benchmark::kMillisecond);

void BM_PlainFormatInMemory(benchmark::State& state) {
    FieldStore store;
    FillStore(store);
    MemoryFileSystem memory;
    WritePlain(store, {}, *memory.Create("plain"));
    const std::string plain = *memory.Contents("plain");
    FieldStore readBack;
    ScreenPosition position;
    PlainReadResult result;
    for (auto _ : state) {
        WritePlain(store, {}, *memory.Create("plain"));
        ReadPlain(*memory.OpenRead("plain"), readBack, position, result);
    }
    state.counters["plain_bytes"] = static_cast<double>(plain.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * plain.size() * 2));
}
BENCHMARK(BM_PlainFormatInMemory)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
