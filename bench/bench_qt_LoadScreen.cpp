// Loading each question screen in the interview frame at 1.25 times its design size: the frame
// creates the screen, binds its controls to the fields, scales it and shows it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include "interview/Catalogue.h"
#include "interview/Intrview.h"
#include "interview/MainWindowLink.h"
#include "platform/Help.h"
#include "platform/RecordingDialogs.h"
#include "screens/Registration.h"

namespace {

using namespace ftb;

// Stands in for the main window: it never closes and posts nothing.
class TStillWindow : public interview::TMainWindowLink {
  public:
    bool CloseQuery() override { return false; }
    void CloseHandler(QObject*) override {}
    void RequestLayout() override {}
};

struct FrameFixture {
    data::FieldStore store;
    platform::RecordingDialogs dialogs;
    interview::TRunState run;
    interview::TScreenRegistry screens;
    platform::Help help{""};
    TStillWindow mainWindow;
    QWidget host;
    interview::TFrameWnd* frame;

    FrameFixture()
        : frame(new interview::TFrameWnd(
              &host, interview::TFrameServices{store, dialogs, run, screens, help, mainWindow})) {
        screens::RegisterScreens(screens);
        host.resize(frame->size() * 5 / 4);
        host.show();
        QApplication::processEvents();
        frame->resize(frame->size() * 5 / 4);
        QApplication::processEvents();
    }
};

void BM_LoadScreen(benchmark::State& state) {
    const int number = static_cast<int>(state.range(0));
    FrameFixture fixture;
    if (number == 7858) {
        // Nothing to report: the screen stays at 58.
        fixture.store.SetFieldStr(1269, "0");
        fixture.store.SetFieldChecked(1265);
    } else if (number == 7859) {
        // No marital status table and no payer list: two findings to list.
        fixture.store.SetFieldStr(1269, "1");
    }
    fixture.run.SetScreen(number);
    for (auto _ : state) {
        fixture.frame->LoadScreen();
        QApplication::processEvents();
    }
    if (fixture.frame->Screen() == nullptr || fixture.run.CurrentScreen != number)
        state.SkipWithError("the screen was not shown");
    const double scale = static_cast<double>(fixture.frame->ScaleM()) / fixture.frame->ScaleD();
    if (scale < 1.24 || scale > 1.26) state.SkipWithError("the frame is not at about 1.25");
    state.counters["scale"] = scale;
}
BENCHMARK(BM_LoadScreen)
    ->Arg(7803)
    ->Arg(7804)
    ->Arg(7805)
    ->Arg(7806)
    ->Arg(7807)
    ->Arg(7808)
    ->Arg(7849)
    ->Arg(7858)
    ->Arg(7859)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
