#include "screens/QNFTB_46.h"

#include <QListWidget>

#include "controls/Textlbl.h"
#include "controls/core/MarkupParser.h"
#include "controls/core/NameSubstitution.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "screens/DependantMaintenance.h"
#include "screens/MaintenanceNames.h"
#include "screens/MaintenancePanel.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

const char* const kLabel = "Receipt or entitlement to maintenance for DName";
const char* const kPickedLabel = "Receipt or entitlement to maintenance for\r\nDName";

const std::vector<std::string> kQuestion = {
    "<S10;T1>Did you, your spouse, or this dependant <C12;J575>receive maintenance income<.;T1> "
    "for this dependant?  OR ",
    "Were you, your spouse, or this dependant entitled to receive maintenance income for this",
    "dependant?  OR ",
    "Were you or your spouse exempt from taking maintenance action for this dependant?<.>",
};

const std::vector<std::string> kHint = {
    "<X10><s2>Answer <T1>Yes<.> if any of the above applies to this dependant for any part of the",
    "income year, even if no maintenance was actually received.",
};

std::vector<std::string> NameLines(const data::FieldStore& store, const char* caption) {
    std::vector<std::string> lines;
    for (const std::string& line : controls::SplitMarkupLines(
             controls::ReplaceAllIgnoringCase(caption, "DName", CurrentDependantName(store))))
        lines.push_back("<T1>" + line + "<.>");
    return lines;
}

}  // namespace

TQFTB_46::TQFTB_46(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(*this, {
                                ScreenText("TextLblName", 10, {"<T1>" + std::string(kLabel)}),
                                ScreenText("TextLbl1", 60, kQuestion),
                                HintBox(kHint, 2),
                            });
}

void TQFTB_46::FormCreate() {
    if (NextPendingDependant(Store(), Dialogs()))
        Frame().ShowSelectPanel({});
    else
        ShowDependantsPanel();
    if (CurrentDependant(Store()) == -1) {
        const std::vector<TRelevantDependant> dependants = RelevantDependants(Store(), Dialogs());
        if (!dependants.empty()) SetCurrentDependant(Store(), dependants.front().index);
    }
    SetUpDependant(kLabel);
}

void TQFTB_46::SetUpDependant(const char* caption) {
    OpenCurrentMaintainedDependant(*this);
    Find<controls::TTextLbl>("TextLblName")->SetText(NameLines(Store(), caption));
}

// Each maintenance-relevant dependant, picked by position (two may share a display name).
void TQFTB_46::ShowDependantsPanel() {
    data::TextList entries;
    for (TRelevantDependant& dependant : RelevantDependants(Store(), Dialogs()))
        entries.push_back(std::move(dependant.name));
    ShowMaintenancePanel(*this, entries);
    Run().ListClick = [this](QObject* Sender) { Guarded([&] { ListBoxFFSClick(Sender); }); };
}

void TQFTB_46::SelectCurrentInPanel() {
    if (Frame().PanelFreeFormSelect()->isHidden()) return;
    const std::vector<TRelevantDependant> dependants = RelevantDependants(Store(), Dialogs());
    for (std::size_t row = 0; row < dependants.size(); ++row)
        if (dependants[row].index == CurrentDependant(Store()))
            Frame().ListBoxFFS()->setCurrentRow(static_cast<int>(row));
}

void TQFTB_46::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    // Leaving, also backwards, takes the panel away with the screen.
    RegisterLeaveCheck(*this, [this] { Frame().ShowSelectPanel({}); });
    ShowYesNo(*this);
    SelectCurrentInPanel();
}

void TQFTB_46::ListBoxFFSClick(QObject* Sender) {
    QListWidget* list = Frame().ListBoxFFS();
    if (Sender != list) return;  // a navigator node
    const int line = list->currentRow();
    if (line < 0) return;
    const std::vector<TRelevantDependant> dependants = RelevantDependants(Store(), Dialogs());
    if (line >= static_cast<int>(dependants.size())) {
        ShowInformation("Worksheets cannot be added from this screen. Edit existing worksheets "
                        "only.");
    } else {
        Frame().SaveCurrentWorksheet();
        SetCurrentDependant(Store(), dependants[static_cast<std::size_t>(line)].index);
        SetUpDependant(kPickedLabel);
    }
    SelectCurrentInPanel();
}

void TQFTB_46::ChildFormYesNoClick(QObject* Sender) {
    if (IsYes(*this, Sender)) {
        MoveAfterAnswer(*this, kMaintenanceActionScreen);
        return;
    }
    // A declined deletion keeps the answers; the dependant is done all the same.
    ClearDependantMaintenance(*this, CurrentDependantName(Store()));
    FinishCurrentDependant(*this, Sender);
}

}  // namespace ftb::screens
