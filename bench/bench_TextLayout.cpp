// One paint (measuring and drawing pass) of a long marked-up text: 60 lines with three sections,
// bullets, links, colours, variables and a right-aligned block, on a canvas that only measures.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "controls/core/TextLayout.h"

namespace {

using namespace ftb::controls;

class TNullCanvas : public TTextCanvas {
public:
    void SetFont(const TFontDesc& font) override { size_ = font.Size; }
    TTextSize MeasureText(std::string_view text) override {
        return {7 * static_cast<int>(text.size()), size_ + 6};
    }
    void DrawText(int, int, std::string_view text) override {
        benchmark::DoNotOptimize(text.data());
    }
    void FillRect(const TRect&, TColor) override {}
    void Frame3D(const TRect&, TColor, TColor, int) override {}
    void DrawWrappedText(const TRect&, std::string_view) override {}
    void Beep() override {}

private:
    int size_ = 10;
};

std::vector<std::string> LongText() {
    std::vector<std::string> lines;
    for (int section = 1; section <= 3; ++section) {
        lines.push_back("<s" + std::to_string(section) +
                        "><T1>Indicate your <C12;J555>marital status<.;T1> throughout the "
                        "income year.<.>");
        lines.push_back(
            "The period(s) you enter must cover the entire income year from 1 July "
            "<V99998> to 30 June <V99999>.");
        lines.push_back(";a comment line");
        for (int bullet = 0; bullet < 6; ++bullet) {
            lines.push_back(
                "<L10><X0>\x95<X10>have been an <C12;J512>Australian resident for social "
                "security purposes<.> or the holder of an approved visa for the");
            lines.push_back("purposes of FTB");
        }
        lines.push_back("");
        lines.push_back("<S10;AR;X420>Enter the number of nights during your assessment period");
        lines.push_back("you cared for this dependant:<AL;X0>");
        lines.push_back("<C3>For more information, <C12;G7>click here<.>.");
        lines.push_back("<s999><L14>Shown in every section <C10>in red<.> and <T3>italic<.>");
    }
    return lines;
}

void BM_PaintLongText(benchmark::State& state) {
    TTextLayout label;
    label.SetText(LongText());
    label.SetBounds({0, 0, 640, 400});
    label.SetCalculateHeight(true);
    label.SetCurrentSection(static_cast<int>(state.range(0)));
    label.OnScreenTag = [](int id, std::string& tag) {
        if (id == 99998) tag = "2001";
        if (id == 99999) tag = "2002";
    };
    TNullCanvas canvas;
    for (auto _ : state) {
        label.Paint(canvas);
        benchmark::DoNotOptimize(label.Bounds().Height);
    }
    state.counters["lines"] = static_cast<double>(label.Text().size());
    state.counters["links"] = static_cast<double>(label.JumpHotspots().size());
}
BENCHMARK(BM_PaintLongText)->Arg(1)->Arg(2);

void BM_HoverLinks(benchmark::State& state) {
    TTextLayout label;
    label.SetText(LongText());
    TNullCanvas canvas;
    label.Paint(canvas);
    int x = 0;
    for (auto _ : state) {
        label.MouseMove(x, 200);
        x = (x + 13) % 640;
        benchmark::DoNotOptimize(label.HoveredJumpId());
    }
}
BENCHMARK(BM_HoverLinks);

}  // namespace

BENCHMARK_MAIN();
