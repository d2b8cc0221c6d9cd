#pragma once
// TTaxEdit, the single-line entry field of the question screens: amounts, counts, percentages,
// dates, names, addresses and tax identifiers. `NumericType` chooses the kind of value; the field
// filters keystrokes against its allowed characters, strips its display formatting while it is
// edited, checks the entry when the focus leaves it (keeping the focus and explaining the fault
// when the entry is wrong) and shows the value in its display form otherwise. Every behaviour
// lives in TCustomNumEdit; TTaxEdit is the class the screens create.
#include <QLineEdit>
#include <QPalette>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "controls/core/IdChecks.h"
#include "data/Dates.h"
#include "platform/Dialogs.h"

namespace ftb::controls {

enum TNumericType {
    ntNone,         // text
    ntCurrency,     // whole dollars
    ntCurrencyCnt,  // dollars and cents
    ntPercentage,
    ntDate,
    ntSpecial,      // free text without display form
    ntNumeric,      // whole number
    ntPhone,
    ntCPI,
    ntTFN,
    ntABN,
    ntACN,
    ntSFN,
    ntDIN,
    ntEGN,
    ntPCode,
    ntDec2,         // two-decimal number padded with zeros
};

// A second preset selector; it sets decimals, alignment, maximum length and allowed characters
// and nothing reads it otherwise.
enum TVarnholtDataType {
    vtAddressText,
    vtDate,
    vtDate8,
    vtDollar,
    vtDollarCents,
    vtDollarNegative,
    vtInteger,
    vtNameText,
    vtNone,
    vtQuestion,
    vtRestrictedNameText,
    vtText,
};

// Alignment of the text while the field is not being edited.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// The date properties count from this day, which is also their initial value.
inline constexpr data::Date kDateZero{std::chrono::year{1899} / std::chrono::December /
                                      std::chrono::day{30}};

class TCustomNumEdit : public QLineEdit {
    Q_OBJECT

public:
    // Every message box of the field goes through dialogs.
    TCustomNumEdit(QWidget* parent, platform::Dialogs& dialogs);

    // Properties. A screen description assigns them in this order, and builders must keep it:
    //   Decimals, MaxVal, MaxLength, MinVal, MaxDate, MinDate, NumericType, DateValue,
    //   UseRounding, Validate, ValidateDate, ValidChars, VarnholtDataType, Mandatory,
    //   ChangeFocusColor, CapitaliseWords
    // (other properties anywhere in between). NumericType, ValidChars and VarnholtDataType each
    // replace the allowed set, and the first two apply presets: so a kind's preset overrides the
    // Decimals written before it, and the ValidChars written after it overrides the kind's set.
    // Assigning NumericType, VarnholtDataType, ValidChars or Decimals the value it already has
    // changes nothing.

    TNumericType NumericType() const { return numericType_; }
    void SetNumericType(TNumericType kind);  // a different kind applies its preset
    TVarnholtDataType VarnholtDataType() const { return varnholtDataType_; }
    void SetVarnholtDataType(TVarnholtDataType type);  // a different value applies its preset

    // The allowed characters in the character-set notation, at most 100 characters (longer texts
    // are cut). A bad notation shows "Bad ValidChars property <text> !" and empties the set. An
    // empty set lets every character into an ntNone field and turns off the character checks
    // on leaving.
    const std::string& ValidChars() const { return validChars_; }
    void SetValidChars(std::string_view notation);

    std::uint16_t Decimals() const { return decimals_; }
    void SetDecimals(std::uint16_t decimals);  // a change redisplays the value
    long double MaxVal() const { return maxVal_; }
    void SetMaxVal(long double value) { maxVal_ = value; }
    long double MinVal() const { return minVal_; }
    void SetMinVal(long double value) { minVal_ = value; }

    // MaxDate below DateValue lowers DateValue to it; MinDate above DateValue raises it.
    data::Date MaxDate() const { return maxDate_; }
    void SetMaxDate(data::Date date);
    data::Date MinDate() const { return minDate_; }
    void SetMinDate(data::Date date);
    data::Date DateValue() const { return dateValue_; }
    void SetDateValue(data::Date date) { dateValue_ = date; }

    bool UseRounding() const { return useRounding_; }
    void SetUseRounding(bool on) { useRounding_ = on; }
    bool Validate() const { return validate_; }
    void SetValidate(bool on) { validate_ = on; }  // check MinVal..MaxVal on leaving
    void SetValidateDate(bool) {}                  // accepted from descriptions, no effect
    bool Mandatory() const { return mandatory_; }
    void SetMandatory(bool on) { mandatory_ = on; }
    bool ChangeFocusColor() const { return changeFocusColor_; }
    void SetChangeFocusColor(bool on) { changeFocusColor_ = on; }
    bool CapitaliseWords() const { return capitaliseWords_; }
    void SetCapitaliseWords(bool on) { capitaliseWords_ = on; }
    TAlignment Alignment() const { return alignment_; }  // left while the field is edited
    void SetAlignment(TAlignment alignment);
    // Kept for screen descriptions: entering always puts the caret at the start, unselected.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }
    // The most characters the user can type or paste; 0 is no limit. Texts the program sets
    // (display forms, stored texts) are never cut.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length) { maxLength_ = length > 0 ? length : 0; }

    // The value: for the amount kinds (ntCurrency, ntCurrencyCnt, ntPercentage, ntNumeric,
    // ntCPI, ntDec2) it is read from the text, a "-" behind the first position moving to the
    // front; 0 means empty and the explicit zero 0.0011 a typed zero. A text that cannot be read
    // leaves the value as it was. The other kinds return the stored value.
    long double NumValue();
    void SetNumValue(long double value);  // stores and redisplays

    // The raw text as shown, in Windows-1252.
    std::string Text() const;
    void SetText(std::string_view text);
    // Sets the text; the amount kinds except ntDec2 then read their value from it and show it
    // in their display form (a text that cannot be read is left as it is).
    void AssignText(std::string_view text);

    // Events. OnKeyPress sees the typed characters that pass the filter, as adjusted, and the
    // control characters (backspace, Enter); it may change a typed character or consume any key
    // by setting it to 0. Ctrl shortcuts (copy, paste, undo) reach the edit without either.
    // OnExit is raised only when the field accepts its entry on leaving (and after an empty
    // mandatory date, which keeps the focus all the same).
    std::function<void(TCustomNumEdit& sender)> OnChange;
    std::function<void(TCustomNumEdit& sender)> OnEnter;
    std::function<void(TCustomNumEdit& sender)> OnExit;
    std::function<void(TCustomNumEdit& sender, char& key)> OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Refusal {
        std::string message;
        bool beep = false;
        bool exitCompletes = false;  // the empty mandatory date: focus kept, exit still raised
    };

    void Guarded(const std::function<void()>& action) noexcept;
    void TypeCharacter(QChar typed);
    std::optional<char> FilterKey(char key);
    void PrependMinus();

    void Enter();
    void Leave();
    void Refuse(const Refusal& refusal);
    std::optional<Refusal> RefusalOnLeaving();
    std::optional<Refusal> DateRefusal(const std::string& trimmed);
    std::optional<Refusal> AmountRefusal();

    std::optional<long double> ReadValue();
    void Redisplay();
    void BeginEditingLook();
    void EndEditingLook();
    void DrawUnfocused();

    platform::Dialogs& dialogs_;
    TNumericType numericType_ = ntNone;
    TVarnholtDataType varnholtDataType_ = vtAddressText;
    std::string validChars_;
    CharSet allowed_;
    std::uint16_t decimals_ = 0;
    long double maxVal_ = 0, minVal_ = 0;
    data::Date maxDate_ = kDateZero, minDate_ = kDateZero, dateValue_ = kDateZero;
    long double value_ = 0;
    std::optional<data::Date> enteredDate_;  // the date shown by ntDate; none: no date
    bool useRounding_ = true;
    bool validate_ = false;
    bool mandatory_ = false;
    bool changeFocusColor_ = true;
    bool capitaliseWords_ = false;
    bool autoSelect_ = true;
    TAlignment alignment_ = taLeftJustify;
    TAlignment savedAlignment_ = taLeftJustify;
    int maxLength_ = 0;
    qsizetype acceptedLength_ = 0;  // text length before the edit the length limit judges

    bool editing_ = false;         // from entering to an accepted leave
    bool focusColoured_ = false;
    QPalette normalPalette_;
};

class TTaxEdit : public TCustomNumEdit {
    Q_OBJECT

public:
    using TCustomNumEdit::TCustomNumEdit;
};

// For a state field's OnKeyPress: turns the typed letter into an Australian state code (N then
// S or T refines "NSW"), empties the field on backspace, and consumes the key. Does nothing
// unless control is an entry field.
void StateKeyPress(QObject* control, char& key);

}  // namespace ftb::controls
