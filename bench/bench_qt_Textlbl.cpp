// Laying out and painting the longest screen text (the "claim complete" section of the
// validate-and-complete screen) on the real label with its QPainter canvas.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "controls/Textlbl.h"
#include "platform/RecordingDialogs.h"
#include "screens/QNFTB_38.h"

namespace {

// The label as the screen lays it out, showing the "claim complete" section of its text.
struct LabelFixture {
    ftb::platform::RecordingDialogs dialogs;
    QWidget screen;
    ftb::controls::TTextLbl* label;

    LabelFixture() : label(new ftb::controls::TTextLbl(&screen, dialogs)) {
        screen.resize(630, 482);
        label->setGeometry(10, 10, 610, 300);
        label->SetText(ftb::screens::TQFTB_38::IntroLines());
        label->SetLineSpacing(10);
        label->SetCalculateHeight(true);
        label->SetCurrentSection(0);
        label->Loaded();
        screen.show();
        QApplication::processEvents();
    }
};

void BM_TextlblPaintClaimComplete(benchmark::State& state) {
    LabelFixture fixture;
    QImage image(630, 482, QImage::Format_ARGB32_Premultiplied);
    fixture.label->render(&image);
    if (fixture.label->height() < 200) state.SkipWithError("the text was not laid out");
    // FTB_BENCH_IMAGE=FILE.png keeps the picture for a look at what was painted.
    if (qEnvironmentVariableIsSet("FTB_BENCH_IMAGE"))
        image.save(qEnvironmentVariable("FTB_BENCH_IMAGE"));
    for (auto _ : state) {
        fixture.label->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_TextlblPaintClaimComplete)->Unit(benchmark::kMicrosecond);

}  // namespace
