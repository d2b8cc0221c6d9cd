#include "screens/DependantScreens.h"

#include <utility>

#include "controls/core/StateFields.h"
#include "interview/Child.h"
#include "interview/Intrview.h"

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
