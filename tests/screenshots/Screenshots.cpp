// Writes a picture of every question screen the module has, as the interview frame shows it:
// ftb_screenshots FOLDER writes NNNN.png (the screen at its design size, 630 x 482),
// NNNN-125.png (the screen rebuilt at 1.25 times that size) and NNNN-frame.png (the whole frame
// at its design size) for each screen number. Run it offscreen and look at the pictures after
// changing a screen's texts or layout.
#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <exception>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "assessment/support/ReturnBuilder.h"
#include "data/Ext80.h"
#include "interview/Catalogue.h"
#include "interview/Intrview.h"
#include "interview/MainWindowLink.h"
#include "platform/Help.h"
#include "platform/RecordingDialogs.h"
#include "screens/Registration.h"

namespace {

using ftb::data::FieldStore;
using ftb::test_support::ReturnBuilder;
using ftb::test_support::WorksheetBuilder;

// Stands in for the main window: it never closes and posts nothing.
class TStillWindow : public ftb::interview::TMainWindowLink {
  public:
    bool CloseQuery() override { return false; }
    void CloseHandler(QObject*) override {}
    void RequestLayout() override {}
};

struct TShot {
    int number;
    std::function<void(FieldStore&)> answers;
};

void NothingAnswered(FieldStore&) {}

// Nothing for the completion checks to report.
void CompleteClaim(FieldStore& store) {
    store.SetFieldStr(1269, "0");
    store.SetFieldChecked(1265);
}

// A finding of every kind the validate-and-complete screen lists.
void ClaimWithFindings(FieldStore& store) {
    ReturnBuilder returns(store);
    returns.Text(1269, "1");
    returns.AddSpouse(WorksheetBuilder("Ann Lee"));
    returns.AddSpouse(WorksheetBuilder("Sam"));
    returns.Table(1250, {{"Ann Lee", "01/07/2001", "31/12/2001", "50"}});
    returns.AddDependant(WorksheetBuilder("Kim"));
    returns.AddDependant(ftb::test_support::Dependant("Lou", "15/03/1991"));
}

// Periods overseas, the last one without a return.
void StillOverseas(FieldStore& store) {
    ReturnBuilder(store).Table(1249, {{"01/07/1998", "31/12/1998"}, {"15/06/2001", ""}});
}

// A dependant born in the year who is worked on, with the first reason why a child does not
// qualify.
void OneDependant(FieldStore& store) {
    ReturnBuilder returns(store);
    returns.AddDependant(ftb::test_support::Dependant("Zoe Ford", "10/03/2002"));
    store.SetFieldStr(1280, "0");
    store.SetFieldStr(1292, "1");
}

// A dependant in shared care with every row of the change-of-circumstance table filled.
void FullChangeTable(FieldStore& store) {
    ReturnBuilder returns(store);
    returns.AddDependant(ftb::test_support::Dependant("Max Ford", "03/04/1995")
                             .Amount(727, 60)
                             .Amount(728, 2)
                             .Amount(730, 1)
                             .Amount(731, 1)
                             .Amount(715, 2)
                             .Amount(1104, 1)
                             .Table(732, {{"01/09/2001", "Change of shared care %", "40"},
                                          {"15/10/2001", "Went absent without claimant's consent",
                                           "40"},
                                          {"20/11/2001", "End of period of absence without consent",
                                           "40"},
                                          {"01/02/2002", "Ceased full time education", "40"},
                                          {"01/03/2002",
                                           "Ceased being an Australian resident / ceased "
                                           "living with the claimant",
                                           "40"}}));
    store.SetFieldStr(1280, "0");
}

// Two spouses named in the marital-status table and the blind-rate pension periods.
void TwoSpouses(FieldStore& store) {
    ReturnBuilder returns(store);
    returns.Text(1269, "1");
    returns.AddSpouse(WorksheetBuilder("Ann  Lee (123 456 782)"));
    returns.AddSpouse(WorksheetBuilder("Bob  Ray (TFN Exempt)"));
    returns.Table(1250, {{"Ann  Lee (123 456 782)", "01/07/2001", "31/12/2001", ""},
                         {"Bob  Ray (TFN Exempt)", "01/01/2002", "30/06/2002", "50"}});
    returns.Table(1291, {{"You", "01/10/2001", "30/06/2002"}});
}

// The claimant and a spouse with payers, a child whose maintenance may matter, and the spouse's
// capitalised maintenance; the spouse is the current individual.
void MaintenanceOfASpouse(FieldStore& store) {
    ReturnBuilder returns(store);
    returns.Text(1269, "1");
    returns.AddSpouse(WorksheetBuilder("Ann  Lee (123 456 782)")
                          .Table(728, {{"Bob Smith", "01/07/2001", "30/06/2002", "5000", "100"}}));
    returns.AddDependant(ftb::test_support::Dependant("Zoe Ford", "10/03/1995"));
    returns.Table(1264, {{"Bob Smith"}, {"Zed Jones"}});
    store.SetFieldStr(1279, "0");
}

// Every individual's questions are finished: 7844 offers them all in the select panel.
void MaintenanceDone(FieldStore& store) {
    ReturnBuilder returns(store);
    returns.AddSpouse(WorksheetBuilder("Ann  Lee (123 456 782)").Text(1106, "1"));
    returns.Table(1264, {{"Bob Smith"}});
    returns.Text(1257, "1");
    returns.Text(1279, "-1");
}

// Two children whose maintenance may matter, with the payers; `done` marks both finished, so that
// 7852 offers them in the select panel.
void MaintainedChildren(FieldStore& store, bool done) {
    ReturnBuilder returns(store);
    const std::pair<const char*, const char*> children[] = {
        {"Max  Ford (03/04/1995)", "03/04/1995"}, {"Zoe  Ford (10/03/1998)", "10/03/1998"}};
    for (const auto& [name, birth] : children) {
        WorksheetBuilder child = ftb::test_support::Dependant(name, birth);
        child.Amount(727, 100).Amount(715, 2);
        if (done) child.Text(1106, "1");
        returns.AddDependant(child);
    }
    returns.Table(1264, {{"Bob Smith"}, {"Zed Jones"}});
    store.SetFieldStr(1280, "0");
}
void ChildrenPending(FieldStore& store) { MaintainedChildren(store, false); }
void ChildrenDone(FieldStore& store) { MaintainedChildren(store, true); }

void Save(QWidget& widget, const std::string& path) {
    // Texts fit their height and keep to the bottom after a paint, so paint before the picture.
    (void)widget.grab();
    QApplication::processEvents();
    if (!widget.grab().save(QString::fromStdString(path), "PNG"))
        throw std::runtime_error("cannot write " + path);
}

void Shoot(const TShot& shot, const std::string& folder) {
    FieldStore store;
    shot.answers(store);
    ftb::platform::RecordingDialogs dialogs;
    ftb::interview::TRunState run;
    ftb::interview::TScreenRegistry screens;
    ftb::screens::RegisterScreens(screens);
    ftb::platform::Help help(FTB_SOURCE_DIR "/help/FTB2002.HLP");
    TStillWindow mainWindow;

    QWidget host;
    auto* frame = new ftb::interview::TFrameWnd(
        &host, ftb::interview::TFrameServices{store, dialogs, run, screens, help, mainWindow});
    host.resize(frame->size());
    host.show();
    QApplication::processEvents();

    run.SetScreen(shot.number);
    frame->LoadScreen();
    QApplication::processEvents();
    if (frame->Screen() == nullptr)
        throw std::runtime_error("no screen for " + std::to_string(shot.number));

    const std::string name = folder + "/" + std::to_string(run.CurrentScreen);
    Save(*frame->Screen(), name + ".png");
    Save(*frame, name + "-frame.png");

    const QSize design = frame->size();
    host.resize(design * 5 / 4);
    frame->resize(design * 5 / 4);
    QApplication::processEvents();
    Save(*frame->Screen(), name + "-125.png");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ftb_screenshots FOLDER\n");
        return 2;
    }
    const std::vector<TShot> shots = {
        {7803, NothingAnswered}, {7804, NothingAnswered}, {7805, NothingAnswered},
        {7806, NothingAnswered}, {7807, NothingAnswered}, {7808, NothingAnswered},
        {7812, NothingAnswered}, {7816, NothingAnswered}, {7822, NothingAnswered},
        {7826, NothingAnswered}, {7837, NothingAnswered}, {7842, NothingAnswered},
        {7849, NothingAnswered}, {7858, CompleteClaim},   {7858, ClaimWithFindings},
        {7809, NothingAnswered}, {7810, NothingAnswered}, {7811, NothingAnswered},
        {7813, NothingAnswered}, {7814, StillOverseas},   {7815, StillOverseas},
        {7827, NothingAnswered}, {7828, OneDependant},    {7829, OneDependant},
        {7830, OneDependant},    {7831, OneDependant},    {7832, OneDependant},
        {7834, OneDependant},    {7835, OneDependant},    {7836, NothingAnswered},
        {7817, NothingAnswered}, {7818, NothingAnswered}, {7819, NothingAnswered},
        {7820, NothingAnswered}, {7821, TwoSpouses},      {7823, NothingAnswered},
        {7824, TwoSpouses},      {7825, NothingAnswered},
        {7833, FullChangeTable},
        {7838, NothingAnswered}, {7839, MaintenanceOfASpouse}, {7840, NothingAnswered},
        {7841, NothingAnswered}, {7843, MaintenanceOfASpouse}, {7844, MaintenanceDone},
        {7845, MaintenanceOfASpouse}, {7846, MaintenanceOfASpouse},
        {7847, MaintenanceOfASpouse}, {7848, NothingAnswered}, {7850, NothingAnswered},
        {7851, ChildrenPending}, {7852, ChildrenDone}, {7853, ChildrenPending},
        {7854, ChildrenPending}, {7855, ChildrenPending}, {7856, ChildrenPending},
        {7857, ChildrenDone},
    };
    try {
        for (const TShot& shot : shots) Shoot(shot, argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ftb_screenshots: %s\n", error.what());
        return 1;
    }
    return 0;
}
