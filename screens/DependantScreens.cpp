#include "screens/DependantScreens.h"

#include <utility>

#include "controls/core/StateFields.h"
#include "interview/Child.h"
#include "interview/Intrview.h"
#include "screens/DependantRouting.h"
#include "screens/ScreenFlow.h"

namespace ftb::screens {

namespace {

constexpr int kPairWidth = 150;
constexpr int kPairHeight = 20;
constexpr int kAnswerWidth = 70;

}  // namespace

void OpenCurrentDependant(interview::TChildForm& screen) {
    const int current = controls::ReadStateField(screen.Store(), controls::kCurrentDependantField);
    if (current == -1)
        screen.Frame().OpenWorksheetList(data::kDependantList);
    else
        screen.Frame().OpenWorksheetListAt(data::kDependantList, current + 1);
}

void OpenEnteredDependant(interview::TChildForm& screen) {
    if (controls::ReadStateField(screen.Store(), controls::kCurrentDependantField) != -1)
        OpenCurrentDependant(screen);
    screen.Frame().ShowActionPanel(false);
}

bool LeaveWithoutDependant(interview::TChildForm& screen) {
    if (controls::ReadStateField(screen.Store(), controls::kCurrentDependantField) != -1)
        return false;
    MoveAfterAnswer(screen, kDependantDetailsScreen);
    return true;
}

void AddYesNoPair(std::vector<interview::TControlDecl>& controls, const std::string& panel,
                  QPoint at, const std::string& yes, int yesTag, const std::string& no,
                  int noTag, interview::TButtonProps yesProps, interview::TButtonProps noProps) {
    if (yesProps.Caption.empty()) yesProps.Caption = "Yes";
    if (noProps.Caption.empty()) noProps.Caption = "No";
    controls.push_back(interview::Panel(panel, {at.x(), at.y(), kPairWidth, kPairHeight}));
    controls.push_back(
        interview::Radio(yes, yesTag, {0, 0, kAnswerWidth, kPairHeight}, std::move(yesProps))
            .In(panel));
    controls.push_back(interview::Radio(no, noTag, {kAnswerWidth + 10, 0, kAnswerWidth,
                                                    kPairHeight},
                                        std::move(noProps))
                           .In(panel));
}

std::optional<data::Date> DateIn(const std::string& text) { return data::ParseDate(text); }

}  // namespace ftb::screens
