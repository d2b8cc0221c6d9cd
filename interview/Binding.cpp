#include "interview/Binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <cmath>
#include <string>

#include "controls/TaxEdit.h"
#include "controls/Textlbl.h"
#include "controls/XGrid.h"
#include "interview/Child.h"
#include "interview/ScreenHelpers.h"
#include "platform/QtText.h"

namespace ftb::interview {

namespace {

using data::FieldStore;

bool IsBoundTag(int tag) { return tag >= 1 && tag <= data::kFieldCount; }

// Entry fields of these kinds carry their value as a number, the others as text.
bool HoldsNumber(const controls::TCustomNumEdit& edit) {
    const controls::TNumericType kind = edit.NumericType();
    return kind == controls::ntCurrency || kind == controls::ntCurrencyCnt ||
           kind == controls::ntNumeric;
}

void LoadEdit(controls::TCustomNumEdit& edit, const FieldStore& store, int field) {
    const data::FieldKind kind = store.GetFieldKind(field);
    const bool asNumber = kind == data::fkEmpty ? HoldsNumber(edit) : kind <= data::fkCents;
    if (asNumber)
        edit.SetNumValue(store.GetFieldVal(field));
    else
        edit.AssignText(store.GetFieldStr(field));
}

void SaveEdit(controls::TCustomNumEdit& edit, FieldStore& store, int field) {
    if (HoldsNumber(edit))
        store.SetFieldVal(field, edit.NumValue());
    else
        store.SetFieldStr(field, edit.Text());
}

void LoadCombo(QComboBox& combo, const FieldStore& store, int field) {
    combo.setCurrentIndex(
        combo.findText(platform::FromWin1252(store.GetFieldStr(field)), Qt::MatchExactly));
}

void LoadGrid(controls::TXGrid& grid, const FieldStore& store, int field) {
    grid.LoadFromList(store.GetFieldLst(field));
    grid.SetModified(false);
}

void SaveGrid(const controls::TXGrid& grid, FieldStore& store, int field) {
    data::TextList list;
    grid.SaveToList(list);
    store.SetFieldLst(field, std::move(list));
    if (grid.Modified()) store.SetModified(true);
}

std::string LabelCaption(const FieldStore& store, int field) {
    switch (store.GetFieldKind(field)) {
    case data::fkDollars: return CurrencyCaption(store.GetFieldVal(field), false);
    case data::fkCents: return CurrencyCaption(store.GetFieldVal(field), true);
    default: return store.GetFieldText(field);
    }
}

void SetChecked(QAbstractButton& button, FieldStore& store, int field) {
    if (button.isChecked())
        store.SetFieldChecked(field);
    else
        store.SetFieldUnchecked(field);
}

void LoadControl(QObject* component, FieldStore& store, int field) {
    if (auto* edit = qobject_cast<controls::TCustomNumEdit*>(component))
        LoadEdit(*edit, store, field);
    else if (auto* grid = qobject_cast<controls::TXGrid*>(component))
        LoadGrid(*grid, store, field);
    else if (auto* check = qobject_cast<QCheckBox*>(component))
        check->setChecked(store.FieldChecked(field));
    else if (auto* radio = qobject_cast<QRadioButton*>(component))
        SetRadioState(*radio, store.FieldChecked(field));
    else if (auto* combo = qobject_cast<QComboBox*>(component))
        LoadCombo(*combo, store, field);
    else if (auto* label = qobject_cast<QLabel*>(component))
        label->setText(platform::FromWin1252(LabelCaption(store, field)));
}

void SaveControl(QObject* component, FieldStore& store, int field) {
    if (auto* edit = qobject_cast<controls::TCustomNumEdit*>(component))
        SaveEdit(*edit, store, field);
    else if (auto* grid = qobject_cast<controls::TXGrid*>(component))
        SaveGrid(*grid, store, field);
    else if (auto* check = qobject_cast<QCheckBox*>(component))
        SetChecked(*check, store, field);
    else if (auto* radio = qobject_cast<QRadioButton*>(component))
        SetChecked(*radio, store, field);
    else if (auto* combo = qobject_cast<QComboBox*>(component))
        store.SetFieldStr(field, platform::ToWin1252(combo->currentText()));
}

// "1234567" -> "1,234,567"
std::string GroupThousands(const std::string& digits) {
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace

void SaveScreenToFields(TChildForm& screen, FieldStore& store) {
    for (QObject* component : screen.Components()) {
        const int field = TagOf(component);
        if (IsBoundTag(field)) SaveControl(component, store, field);
    }
}

void LoadFieldsToScreen(TChildForm& screen, FieldStore& store,
                        const controls::TJumpEvent& jumpHandler) {
    for (QObject* component : screen.Components()) {
        if (auto* control = qobject_cast<QWidget*>(component)) {
            control->setToolTip(QString());
            control->setProperty("ShowHint", false);
        }
        if (auto* text = qobject_cast<controls::TTextLbl*>(component))
            text->OnJumpClick = jumpHandler;
        const int field = TagOf(component);
        if (IsBoundTag(field)) LoadControl(component, store, field);
    }
    if (store.CurrentWorksheetList() != 0)
        screen.VertScrollBarIncrement = kMustCompleteIncrement;
    else if (screen.VertScrollBarIncrement != kMustCompleteIncrement)
        screen.VertScrollBarIncrement = 8;
}

std::string CurrencyCaption(long double value, bool cents) {
    if (std::fabs(value) <= 0.01L) return {};
    std::string number = cents ? data::FormatFloatFixed(value, 10, 2)
                               : data::FormatFloatFixed(value, 8, 0);
    std::string sign;
    if (!number.empty() && number.front() == '-') {
        sign = "-";
        number.erase(0, 1);
    }
    // An amount beyond the significant digits keeps its exponent form.
    if (number.find('E') != std::string::npos) return sign + "$" + number;
    const std::size_t point = number.find('.');
    const std::string whole = number.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : number.substr(point);
    return sign + "$" + GroupThousands(whole) + fraction;
}

}  // namespace ftb::interview
