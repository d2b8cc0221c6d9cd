#include "interview/ScreenHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "controls/MyGrids.h"
#include "controls/TaxEdit.h"
#include "interview/Child.h"
#include "interview/RunState.h"

namespace ftb::interview {

namespace {

bool IsBlankChar(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool IsBlank(std::string_view text) { return std::all_of(text.begin(), text.end(), IsBlankChar); }

// The text without the blanks and control characters at either end.
std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlankChar(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankChar(text.back())) text.remove_suffix(1);
    return text;
}

std::string UpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool EditHoldsData(const controls::TCustomNumEdit& edit) {
    const std::string text = edit.Text();
    const std::string_view trimmed = Trimmed(text);
    return !trimmed.empty() && trimmed != "/  /" && trimmed != "()";
}

bool HoldsData(const QObject* component) {
    if (auto* edit = qobject_cast<const controls::TCustomNumEdit*>(component))
        return EditHoldsData(*edit);
    if (auto* combo = qobject_cast<const QComboBox*>(component))
        return !combo->currentText().isEmpty();
    if (auto* check = qobject_cast<const QCheckBox*>(component)) return check->isChecked();
    if (auto* radio = qobject_cast<const QRadioButton*>(component)) return radio->isChecked();
    return false;
}

}  // namespace

bool EditIsEmpty(const controls::TCustomNumEdit& edit) {
    const std::string text = edit.Text();
    return text == kEmptyDateText || IsBlank(text);
}

void RequireFilled(TRunState& run, platform::Dialogs& dialogs, controls::TCustomNumEdit& edit,
                   const std::string& message, bool show) {
    if (!run.ScreenValid || !EditIsEmpty(edit)) return;
    run.ScreenValid = false;
    if (!show) return;
    edit.setFocus();
    dialogs.Error(message);
}

void RequireChoice(TRunState& run, platform::Dialogs& dialogs, const QRadioButton& first,
                   const QRadioButton& second, const std::string& message, bool show) {
    if (!run.ScreenValid) return;
    run.ScreenValid = first.isChecked() || second.isChecked();
    if (show && !run.ScreenValid) dialogs.Error(message);
}

void SetRadioState(QRadioButton& radio, bool checked) {
    if (checked || !radio.isChecked() || !radio.autoExclusive()) {
        radio.setChecked(checked);
        return;
    }
    radio.setAutoExclusive(false);
    radio.setChecked(false);
    radio.setAutoExclusive(true);
}

bool GridIsEmpty(const controls::TMyGrid& grid) {
    for (int row = 1; row < grid.RowCount(); ++row)
        for (int col = 0; col < grid.ColCount(); ++col)
            if (!IsBlank(grid.Cells(col, row))) return false;
    return true;
}

bool PayerListHasNames(const data::FieldStore& store) {
    const data::TextList* names = store.GetFieldLst(kPayerListField);
    return names && std::any_of(names->begin(), names->end(),
                                [](const std::string& name) { return !IsBlank(name); });
}

bool ScreenHasData(const QObject* screen, platform::Dialogs& dialogs) {
    const auto* form = dynamic_cast<const TChildForm*>(screen);
    if (!form) {
        dialogs.Plain(kPlainBoxTitle, "Object not a form function screen has data");
        return false;
    }
    return std::any_of(form->Components().begin(), form->Components().end(),
                       [](const QObject* component) {
                           const int tag = TagOf(component);
                           return tag >= 1 && tag <= data::kFieldCount && HoldsData(component);
                       });
}

void SortPayerList(data::FieldStore& store) {
    data::TextList* names = store.GetFieldLst(kPayerListField);
    if (!names) return;
    // Neighbours are exchanged only when strictly out of order, so equal names keep their order.
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (std::size_t i = 1; i < names->size(); ++i) {
            if (UpperCase((*names)[i - 1]) > UpperCase((*names)[i])) {
                std::swap((*names)[i - 1], (*names)[i]);
                exchanged = true;
            }
        }
    }
}

bool IsChangeEventName(std::string_view text) {
    static constexpr std::array<std::string_view, 6> kEventNames{
        "Commenced or resumed full time education",
        "Commenced receiving pension / benefit / payment under labour market program",
        "Went absent without claimant's consent",
        "Gained Australian residency for social security purposes / began living with the "
        "claimant",
        "Change of shared care %",
        "Commenced receiving payments under a prescribed education scheme",
    };
    return std::find(kEventNames.begin(), kEventNames.end(), text) != kEventNames.end();
}

}  // namespace ftb::interview
