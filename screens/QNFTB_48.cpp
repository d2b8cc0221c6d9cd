#include "screens/QNFTB_48.h"

#include <QListWidget>

#include "controls/Textlbl.h"
#include "controls/core/MarkupParser.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "platform/QtText.h"
#include "screens/MaintenancePanel.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"
#include "screens/SpouseNames.h"
#include "screens/SpousalMaintenance.h"

namespace ftb::screens {

namespace {

const std::vector<std::string> kQuestion = {
    "<S10;T1>Did the above individual receive spousal maintenance at any time throughout this "
    "income year",
    "(1 July <V99998> to 30 June <V99999>)?",
};

const std::vector<std::string> kHint = {
    "<X10>Spousal maintenance is money or other support paid to you or a spouse by a former "
    "partner.",
    "Answer <T1>No<.> if the individual named above received none in the income year.",
};

std::vector<std::string> NameLines(const data::FieldStore& store) {
    std::vector<std::string> lines;
    for (const std::string& line : controls::SplitMarkupLines(
             WithIndividualName("Receipt of spousal maintenance for\r\nSName", store)))
        lines.push_back("<T1>" + line + "<.>");
    return lines;
}

}  // namespace

TQFTB_48::TQFTB_48(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(*this, {
                                ScreenText("TextLblName", 10, NameLines(context.Store)),
                                ScreenText("TextLbl1", 60, kQuestion),
                                HintBox(kHint),
                            });
}

void TQFTB_48::FormCreate() {
    SetUpIndividual();
    if (NextPendingIndividual(Store()))
        Frame().ShowSelectPanel({});
    else
        ShowIndividualsPanel();
}

void TQFTB_48::SetUpIndividual() {
    Find<controls::TTextLbl>("TextLblName")->SetText(NameLines(Store()));
    if (ClaimantIsCurrent(Store())) {
        if (Store().CurrentWorksheetList() != 0) Frame().CloseWorksheetList();
        return;
    }
    OpenCurrentSpouse(*this);
}

// "You" and each spouse, picked by position (two spouses may share a display name).
void TQFTB_48::ShowIndividualsPanel() {
    data::TextList entries = {"You"};
    for (const std::string& name : SpouseDisplayNames(Store())) entries.push_back(name);
    ShowMaintenancePanel(*this, entries);
    Run().ListClick = [this](QObject* Sender) { Guarded([&] { ListBoxFFSClick(Sender); }); };
}

void TQFTB_48::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    // Leaving, also backwards, takes the panel away with the screen.
    RegisterLeaveCheck(*this, [this] { Frame().ShowSelectPanel({}); });
    ShowYesNo(*this);
    if (!Frame().PanelFreeFormSelect()->isHidden())
        Frame().ListBoxFFS()->setCurrentRow(CurrentIndividual(Store()) + 1);
}

void TQFTB_48::ListBoxFFSClick(QObject* Sender) {
    QListWidget* list = Frame().ListBoxFFS();
    if (Sender != list) return;  // a navigator node
    const int line = list->currentRow();
    if (line < 0) return;
    if (line > SpouseCount(Store())) {
        ShowInformation("Worksheets cannot be added from this screen. Edit existing worksheets "
                        "only.");
    } else {
        if (ClaimantIsCurrent(Store()))
            Frame().SaveScreenToFields();
        else
            Frame().SaveCurrentWorksheet();
        SetCurrentIndividual(Store(), line - 1);
        SetUpIndividual();
    }
    list->setCurrentRow(CurrentIndividual(Store()) + 1);
}

void TQFTB_48::ChildFormYesNoClick(QObject* Sender) {
    if (IsYes(*this, Sender)) {
        MoveAfterAnswer(*this, kCapitalisedQuestionScreen);
        return;
    }
    const bool cleared = ClearCurrentIndividualMaintenance(*this);
    MarkCurrentIndividualDone(*this);
    if (cleared)
        SpousalRouting(*this, Sender);
    else
        MoveAfterAnswer(*this, kCapitalisedQuestionScreen);
}

}  // namespace ftb::screens
