// Parsing the column specifications of the widest grid of the screens (six columns, two of them
// with long placeholder pick lists) as a screen does every time it is shown.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "controls/core/ColumnSpec.h"

namespace {

using namespace ftb::controls;

std::string PlaceholderPicklist(const std::string& head, int items) {
    std::string line = head + std::to_string(items) + "|";
    for (int i = 1; i <= items; ++i) line += std::to_string(i) + "|";
    return line;
}

std::vector<std::string> CapitalisedMaintenanceColumns() {
    return {PlaceholderPicklist("Recipient|2|0|150|0|F|T|0||||10|1|", 729),
            PlaceholderPicklist("Payer|2|0|100|0|F|T|0||||10|1|", 461),
            "Start Date of Period Covered\rby this Capital Item|2|2|10||F|F||-1|0|",
            "End Date of Period Covered\rby this Capital Item |2|2|10||F|F||-1|0|",
            "Value of Capital\rItem Received|2|1|12|0|F|F|2|F|0|||-1|0|F|",
            "% Allocated for this Dependant|2|1|30|0|F|F|0|F|0|100||-1|0|F|"};
}

void BM_ParseSixColumns(benchmark::State& state) {
    const std::vector<std::string> lines = CapitalisedMaintenanceColumns();
    for (auto _ : state) {
        for (const std::string& line : lines) benchmark::DoNotOptimize(ParseColumnSpec(line));
    }
}
BENCHMARK(BM_ParseSixColumns);

void BM_ParseShortColumn(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseColumnSpec(
            "Marital status OR spouse name|2|0|150||F|T|0||||4|1|4|Dick|Harry|Tom|Single|"));
}
BENCHMARK(BM_ParseShortColumn);

}  // namespace

BENCHMARK_MAIN();
