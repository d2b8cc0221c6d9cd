// The interview frame on the real widgets: loading a screen of 30 controls (leaving the shown
// one, binding the fields, showing and focusing the new one), and the rebuild of that screen
// after the frame is resized.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>
#include <vector>

#include "interview/Catalogue.h"
#include "interview/Intrview.h"
#include "interview/MainWindowLink.h"
#include "interview/ScreenBuilder.h"
#include "platform/Help.h"
#include "platform/RecordingDialogs.h"

namespace {

using namespace ftb::interview;

constexpr int kScreenNumber = 7805;

// Ten texts, ten entry fields, five check boxes and five radio buttons.
class TThirtyControls : public TChildForm {
public:
    explicit TThirtyControls(TScreenContext& context) : TChildForm(context) {
        std::vector<TControlDecl> controls;
        for (int row = 0; row < 10; ++row) {
            const int top = 8 + 46 * row;
            const std::string n = std::to_string(row);
            controls.push_back(Text("TextLbl" + n, {8, top, 300, 20},
                                    {.Lines = {"<T1>Question " + n + "<.> of the screen"}}));
            controls.push_back(Edit("edtAnswer" + n, 1200 + row, {320, top, 120, 22}));
            if (row % 2 == 0) {
                controls.push_back(Check("chkAnswer" + n, 1220 + row, {460, top, 140, 20},
                                         {.Caption = "Applies"}));
            } else {
                controls.push_back(Radio("rbAnswer" + n, 1230 + row, {460, top, 140, 20},
                                         {.Caption = "Yes"}));
            }
        }
        Build(*this, std::move(controls));
    }
};

class THost : public QWidget, public TMainWindowLink {
public:
    bool CloseQuery() override { return true; }
    void CloseHandler(QObject*) override {}
    void RequestLayout() override {}
};

struct FrameBench {
    ftb::data::FieldStore store;
    ftb::platform::RecordingDialogs dialogs;
    TRunState run;
    TScreenRegistry screens;
    ftb::platform::Help help{"/nonexistent/FTB2002.HLP"};
    THost host;
    TFrameWnd* frame;

    FrameBench() {
        screens.Register("TQFTB_02", [](TScreenContext& context) {
            return std::make_unique<TThirtyControls>(context);
        });
        frame = new TFrameWnd(&host, TFrameServices{store, dialogs, run, screens, help, host});
        host.resize(frame->size());
        host.show();
        QCoreApplication::processEvents();
        run.SetScreen(kScreenNumber);
        frame->LoadScreen();
    }
};

void BM_FrameLoadScreen(benchmark::State& state) {
    FrameBench bench;
    for (auto _ : state) {
        bench.run.SetScreen(kScreenNumber);
        bench.frame->LoadScreen();
    }
    if (bench.run.CurrentScreen != kScreenNumber) state.SkipWithError("the screen was not shown");
}
BENCHMARK(BM_FrameLoadScreen)->Unit(benchmark::kMillisecond);

void BM_FrameRebuildAfterResize(benchmark::State& state) {
    FrameBench bench;
    bool large = false;
    for (auto _ : state) {
        large = !large;
        bench.frame->resize(large ? QSize(1260, 840) : QSize(840, 560));
        QCoreApplication::sendPostedEvents(bench.frame);  // the load-screen message
    }
    if (bench.frame->Screen() == nullptr) state.SkipWithError("the screen was not rebuilt");
}
BENCHMARK(BM_FrameRebuildAfterResize)->Unit(benchmark::kMillisecond);

}  // namespace
