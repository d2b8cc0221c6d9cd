// Laying out and painting the longest screen text (the "claim complete" section of the
// validate-and-complete screen) on the real label with its QPainter canvas.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "controls/Textlbl.h"
#include "platform/RecordingDialogs.h"

namespace {

const std::vector<std::string> kClaimComplete = {
    "<s0><T1>Your FTB claim is now complete.<.;T0>",
    "Use the navigation panel on the left to navigate to and edit sections of FTB you have ",
    "already completed. Or click <T1>Next<.> to proceed to the next section.<L14>",
    "<C10;T1>If you change, add or remove any income or deduction amounts you must <L10>",
    "complete the FTB<L10> section again to make sure <T3>Ledgra<.;C10;T1> collects all the "
    "required ",
    "information.<L14>",
    "IMPORTANT<L14>",
    "Your FTB entitlement will be calculated by the Family Assistance Office, <L10>",
    "based on information contained in your FTB tax claim and information held ",
    "by the FAO.  If you have elected to waive your eligibility for FTB for any of ",
    "your dependants during the period 1 July 2001 to 30 June 2002 you must ",
    "have already lodged an <C12;J594>Application to waive Family Tax Benefit/cancel ",
    "a current waiver (FAO13)<.;C10;T1> with the FAO.",
    "",
    "",
    "<.> ",
};

struct LabelFixture {
    ftb::platform::RecordingDialogs dialogs;
    QWidget screen;
    ftb::controls::TTextLbl* label;

    LabelFixture() : label(new ftb::controls::TTextLbl(&screen, dialogs)) {
        screen.resize(630, 482);
        label->setGeometry(10, 10, 610, 300);
        label->SetText(kClaimComplete);
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
    if (qEnvironmentVariableIsSet("FTB_BENCH_IMAGE")) image.save(qEnvironmentVariable("FTB_BENCH_IMAGE"));
    for (auto _ : state) {
        fixture.label->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_TextlblPaintClaimComplete)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
