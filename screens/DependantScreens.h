#pragma once
// What the screens of one dependant share: opening the current dependant's worksheet, the
// registered leave check, the Yes/No pairs that sit in a panel of their own so that each pair
// is one group, and reading the dependant's dates.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/Dates.h"
#include "interview/ScreenBuilder.h"

class QRadioButton;

namespace ftb::interview {
class TChildForm;
}

namespace ftb::screens {

// Opens dependant worksheet (1280) + 1 of list 22 (a new one when 1280 is -1).
void OpenCurrentDependant(interview::TChildForm& screen);

// The screens of a dependant already entered. On creation: opens its worksheet unless 1280 is
// -1, and hides the worksheet panel.
void OpenEnteredDependant(interview::TChildForm& screen);
// On show: with no current dependant (1280 is -1) the details screen 7827 is loaded instead, and
// the result is true.
bool LeaveWithoutDependant(interview::TChildForm& screen);

// A borderless panel holding a Yes and a No radio button, side by side at its top left.
void AddYesNoPair(std::vector<interview::TControlDecl>& controls, const std::string& panel,
                  QPoint at, const std::string& yes, int yesTag, const std::string& no,
                  int noTag, interview::TButtonProps yesProps = {},
                  interview::TButtonProps noProps = {});

// The date in an entry field's text; nothing when blank or not a date.
std::optional<data::Date> DateIn(const std::string& text);

}  // namespace ftb::screens
