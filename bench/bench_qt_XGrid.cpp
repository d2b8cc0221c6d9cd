// Loading and saving the text form of a grid of 20 rows by 6 columns, on the real widget.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "controls/XGrid.h"
#include "platform/RecordingDialogs.h"

namespace {

using ftb::data::TextList;

struct GridFixture {
    ftb::platform::RecordingDialogs dialogs;
    QWidget window;
    ftb::controls::TXGrid* grid;
    TextList form;

    GridFixture() : grid(new ftb::controls::TXGrid(&window, dialogs)) {
        TextList columns = {"Name|0|0|30", "Start|2|2|10||F|F||-1|0|", "End|2|2|10||F|F||-1|0|",
                            "Amount|2|1|10|2|F|F|0|F|0|0||-1|0|F|", "Notes|0|0|40", "Code|0|0|5"};
        grid->SetColCount(static_cast<int>(columns.size()));
        grid->SetDisplay(columns);
        grid->Loaded();
        grid->resize(600, 400);
        for (int row = 0; row < 20; ++row) {
            form.insert(form.end(), {"Person " + std::to_string(row), "01/07/2001", "30/06/2002",
                                     std::to_string(row * 100) + ".50", "note", "C"});
        }
    }
};

void BM_GridLoadFromList(benchmark::State& state) {
    GridFixture fixture;
    for (auto _ : state) fixture.grid->LoadFromList(&fixture.form);
}
BENCHMARK(BM_GridLoadFromList)->Unit(benchmark::kMicrosecond);

void BM_GridSaveToList(benchmark::State& state) {
    GridFixture fixture;
    fixture.grid->LoadFromList(&fixture.form);
    for (auto _ : state) {
        TextList list;
        fixture.grid->SaveToList(list);
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_GridSaveToList)->Unit(benchmark::kMicrosecond);

}  // namespace
