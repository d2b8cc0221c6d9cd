#pragma once
// Small helpers shared by many screens: emptiness and required-answer checks, and the lists of
// maintenance payers and change-of-circumstance events.
#include <string_view>

#include "data/FieldStore.h"
#include "platform/Dialogs.h"

class QObject;
class QRadioButton;

namespace ftb::controls {
class TCustomNumEdit;
class TMyGrid;
}  // namespace ftb::controls

namespace ftb::interview {

struct TRunState;

// The text of an empty date field.
inline constexpr std::string_view kEmptyDateText = "  /  /    ";
// The caption of the plain message boxes of the screens (OK, no icon): they carry no title.
inline constexpr const char* kPlainBoxTitle = "";
// The field holding the maintenance payer names.
constexpr int kPayerListField = 1264;

// True when the text is the empty date text or blank after trimming.
bool EditIsEmpty(const controls::TCustomNumEdit& edit);

// While ScreenValid holds and the edit is empty: ScreenValid becomes false and, with show, the
// edit takes the focus and the message is shown in an error box.
void RequireFilled(TRunState& run, platform::Dialogs& dialogs, controls::TCustomNumEdit& edit,
                   const std::string& message, bool show);

// While ScreenValid holds: ScreenValid becomes whether either button is checked; with show and
// neither checked, the message is shown in an error box.
void RequireChoice(TRunState& run, platform::Dialogs& dialogs, const QRadioButton& first,
                   const QRadioButton& second, const std::string& message, bool show);

// Checks or unchecks the radio button. Unlike setChecked, it also unchecks the checked button of
// its group, so that a screen loaded with an unanswered question shows neither answer.
void SetRadioState(QRadioButton& radio, bool checked);

// True when every data row (rows 1 to the last) is blank after trimming.
bool GridIsEmpty(const controls::TMyGrid& grid);

// True when field 1264 holds a list with a line that is not blank.
bool PayerListHasNames(const data::FieldStore& store);

// True when a bound entry field, combo box, check box or radio button of the screen holds data.
// Something that is not a screen gets "Object not a form function screen has data" in a plain
// box and false.
bool ScreenHasData(const QObject* screen, platform::Dialogs& dialogs);

// Sorts the payer names of field 1264 by their upper-case text; equal lines keep their order.
void SortPayerList(data::FieldStore& store);

// True for exactly the six event names of a dependant's change of circumstance.
bool IsChangeEventName(std::string_view text);

}  // namespace ftb::interview
