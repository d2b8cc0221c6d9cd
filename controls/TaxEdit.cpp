// The entry field's properties, its value and its display form.
#include "controls/TaxEdit.h"

#include <QValidator>
#include <cmath>

#include "controls/TaxEditKinds.h"
#include "controls/TaxEditText.h"
#include "controls/core/CharSetNotation.h"
#include "data/FieldStore.h"
#include "platform/QtText.h"

namespace ftb::controls {
namespace {

constexpr std::size_t kMaxValidChars = 100;

// Refuses an edit by the user that would make the text longer than the limit; the program's own
// texts are never cut, and a text already over the limit may still shrink.
class LengthLimit final : public QValidator {
public:
    LengthLimit(QObject* parent, std::function<bool(qsizetype)> tooLong)
        : QValidator(parent), tooLong_(std::move(tooLong)) {}

    State validate(QString& input, int&) const override {
        return tooLong_(input.size()) ? Invalid : Acceptable;
    }

private:
    std::function<bool(qsizetype)> tooLong_;
};

// The amount kinds show nothing for an empty value.
bool ShowsNothing(long double value) { return std::fabs(value) <= 0.001L; }

}  // namespace

TCustomNumEdit::TCustomNumEdit(QWidget* parent, platform::Dialogs& dialogs)
    : QLineEdit(parent), dialogs_(dialogs) {
    setFont(QFont(QStringLiteral("Arial"), 10));
    // Typing goes through the key filter only; an input method would bypass it.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setValidator(new LengthLimit(this, [this](qsizetype length) {
        return maxLength_ > 0 && length > maxLength_ && length > acceptedLength_;
    }));
    connect(this, &QLineEdit::textChanged, this, [this] {
        acceptedLength_ = text().size();
        Guarded([this] {
            if (OnChange) OnChange(*this);
        });
    });
}

void TCustomNumEdit::Guarded(const std::function<void()>& action) noexcept {
    platform::ReportErrors(dialogs_, action);
}

void TCustomNumEdit::SetNumericType(TNumericType kind) {
    if (kind == numericType_) return;
    numericType_ = kind;
    const TaxEditPreset preset = NumericTypePreset(kind);
    if (preset.decimals) SetDecimals(*preset.decimals);
    if (preset.alignment) SetAlignment(*preset.alignment);
    if (preset.maxLength) SetMaxLength(*preset.maxLength);
    if (preset.allowed) SetValidChars(preset.allowed);
}

void TCustomNumEdit::SetVarnholtDataType(TVarnholtDataType type) {
    if (type == varnholtDataType_) return;
    varnholtDataType_ = type;
    const TaxEditPreset preset = VarnholtPreset(type);
    if (preset.decimals) SetDecimals(*preset.decimals);
    if (preset.alignment) SetAlignment(*preset.alignment);
    if (preset.maxLength) SetMaxLength(*preset.maxLength);
    if (preset.allowed) SetValidChars(preset.allowed);
}

void TCustomNumEdit::SetValidChars(std::string_view notation) {
    notation = notation.substr(0, kMaxValidChars);
    if (notation == validChars_) return;
    validChars_ = notation;
    CharSetNotation parsed = ParseCharSetNotation(notation);
    allowed_ = parsed.set;
    if (parsed.error) dialogs_.Error(*parsed.error);
}

void TCustomNumEdit::SetDecimals(std::uint16_t decimals) {
    if (decimals == decimals_) return;
    decimals_ = decimals;
    Redisplay();
}

void TCustomNumEdit::SetMaxDate(data::Date date) {
    maxDate_ = date;
    if (dateValue_ > date) dateValue_ = date;
}

void TCustomNumEdit::SetMinDate(data::Date date) {
    minDate_ = date;
    if (dateValue_ < date) dateValue_ = date;
}

void TCustomNumEdit::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    update();
}

std::string TCustomNumEdit::Text() const { return platform::ToWin1252(text()); }

void TCustomNumEdit::SetText(std::string_view text) {
    const QString shown = platform::FromWin1252(text);
    acceptedLength_ = shown.size();
    setText(shown);
}

std::optional<long double> TCustomNumEdit::ReadValue() {
    if (!ReadsValue(numericType_)) return value_;
    static const CharSet kDigitsAndSeparator = CharSetOf("0123456789.");
    static const CharSet kNumberChars = CharSetOf("-0123456789.");
    std::string text = Text();
    if (text.find('-', 1) != std::string::npos) {
        text = FilterChars(text, kDigitsAndSeparator);
        text.insert(text.begin(), '-');
        SetText(text);
    }
    const std::optional<long double> value = ReadEntryNumber(FilterChars(text, kNumberChars));
    if (value) value_ = *value;
    return value;
}

long double TCustomNumEdit::NumValue() {
    ReadValue();
    return value_;
}

void TCustomNumEdit::SetNumValue(long double value) {
    value_ = value;
    Redisplay();
}

void TCustomNumEdit::AssignText(std::string_view text) {
    SetText(text);
    if (AssignTextReadsValue(numericType_) && ReadValue()) Redisplay();
}

void TCustomNumEdit::Redisplay() {
    // Zero, the explicit zero and negative values keep their fraction as it is.
    if (AdjustsFraction(numericType_) && decimals_ > 0 && value_ > 0.005L)
        value_ = AdjustFraction(value_, decimals_, useRounding_);
    switch (numericType_) {
        case ntCurrency: SetText(ShowsNothing(value_) ? "" : FormatFixed(value_, 0)); break;
        case ntCurrencyCnt: SetText(ShowsNothing(value_) ? "" : FormatFixed(value_, 2)); break;
        case ntPercentage:
            if (std::fabs(value_) == data::kExplicitZero)
                SetText(FormatFixed(0, decimals_) + "%");
            else
                SetText(ShowsNothing(value_) ? "" : FormatFixed(value_, 2) + "%");
            break;
        case ntDate: SetText(enteredDate_ ? data::FormatDate(*enteredDate_) : ""); break;
        case ntNumeric:
        case ntCPI: SetText(ShowsNothing(value_) ? "" : FormatFixed(value_, decimals_)); break;
        case ntDec2: {
            if (ShowsNothing(value_)) {
                SetText("");
                break;
            }
            std::string shown = FormatFixed(value_, decimals_);
            const std::size_t afterSign = shown.front() == '-' ? 1 : 0;
            const auto length = static_cast<std::size_t>(maxLength_);
            if (shown.size() < length) shown.insert(afterSign, length - shown.size(), '0');
            SetText(shown);
            break;
        }
        default:
            if (const IdentifierRules* rules = IdentifierRulesOf(numericType_))
                SetText(rules->format(Text()));
            break;
    }
}

void StateKeyPress(QObject* control, char& key) {
    auto* edit = qobject_cast<TCustomNumEdit*>(control);
    if (edit == nullptr) return;
    const bool selected = edit->hasSelectedText();
    const auto start = selected ? edit->selectionStart() : edit->cursorPosition();
    const auto length = selected ? edit->selectedText().size() : 0;
    const std::optional<StateKeyResult> code =
        StateCodeAfterKey(key, edit->Text(), static_cast<std::size_t>(start),
                          static_cast<std::size_t>(length));
    key = 0;
    if (!code) return;
    edit->SetText(code->text);
    if (code->selectFirst) edit->setSelection(0, 1);
}

}  // namespace ftb::controls
