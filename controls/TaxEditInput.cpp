// The entry field's key filter, entering and leaving, the checks on leaving and the drawing of a
// field that is not being edited.
#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "controls/TaxEdit.h"
#include "controls/TaxEditKinds.h"
#include "controls/TaxEditText.h"
#include "data/FieldStore.h"
#include "data/Win1252.h"
#include "platform/Beep.h"
#include "platform/QtText.h"

namespace ftb::controls {
namespace {

constexpr char kDecimalSeparator = '.';
constexpr const char* kMandatoryMessage = "This field is mandatory and MUST be completed";
constexpr const char* kInvalidCharactersMessage = "Result contains invalid characters";
constexpr const char* kBadDateMessage = "The date must be in dd/mm/yyyy format !";

std::string Trimmed(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

bool HasCharacterOutside(std::string_view text, const CharSet& allowed) {
    return std::any_of(text.begin(), text.end(),
                       [&](char c) { return !allowed.test(static_cast<unsigned char>(c)); });
}

// Focus moves that leave the field where it is: another window or a popup became active.
bool KeepsFieldEntered(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

}  // namespace

void TCustomNumEdit::keyPressEvent(QKeyEvent* event) {
    Guarded([&] {
        const QString typed = event->text();
        // Shortcuts with Ctrl (copy, paste, undo) are commands, not typed characters.
        const bool shortcut = (event->modifiers() & Qt::ControlModifier) &&
                              !(event->modifiers() & Qt::AltModifier);
        // A paste goes through the same filter as typing, so nothing the return cannot hold
        // gets in.
        if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
            const QString pasted = QGuiApplication::clipboard()->text();
            if (!platform::IsWin1252Text(pasted)) {
                platform::Beep();
                return;
            }
        }
        if (typed.isEmpty() || shortcut || event->key() == Qt::Key_Delete || isReadOnly()) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        // Backspace, Enter and other control characters pass unchanged.
        if (typed.size() == 1 && typed.front().unicode() < 27) {
            char key = static_cast<char>(typed.front().unicode());
            if (OnKeyPress) OnKeyPress(*this, key);
            if (key != 0) QLineEdit::keyPressEvent(event);
            return;
        }
        for (QChar character : typed) TypeCharacter(character);
    });
}

void TCustomNumEdit::TypeCharacter(QChar typed) {
    const std::optional<unsigned char> code = data::CodePointToWin1252(typed.unicode());
    if (!code) {
        platform::Beep();  // not a character the return's texts can hold
        return;
    }
    if (*code < 27 || *code == 0x7F) return;
    std::optional<char> key = FilterKey(static_cast<char>(*code));
    if (!key) return;
    if (OnKeyPress) OnKeyPress(*this, *key);
    if (static_cast<unsigned char>(*key) >= ' ' && *key != 0x7F)
        insert(platform::FromWin1252(std::string_view(&*key, 1)));
}

std::optional<char> TCustomNumEdit::FilterKey(char key) {
    const std::string text = Text();
    const bool unrestricted = numericType_ == ntNone && allowed_.none();
    if (!unrestricted && !allowed_.test(static_cast<unsigned char>(key))) {
        platform::Beep();
        return std::nullopt;
    }
    if (HasSignedAmountKeys(numericType_)) {
        if ((key == '-' || key == kDecimalSeparator) && text.find(key) != std::string::npos) {
            platform::Beep();
            return std::nullopt;
        }
        if (key == '-' && !text.empty()) {
            PrependMinus();
            return std::nullopt;
        }
        // Keeps room for the separator and the decimals.
        const bool room = maxLength_ == 0 || decimals_ == 0 ||
                          text.find(kDecimalSeparator) != std::string::npos ||
                          key == kDecimalSeparator ||
                          static_cast<int>(text.size()) <= maxLength_ - decimals_ - 2;
        if (!room) {
            platform::Beep();
            return std::nullopt;
        }
    }
    if ((numericType_ == ntNone || numericType_ == ntSpecial) && capitaliseWords_ && key >= 'a' &&
        key <= 'z' && (text.empty() || text.back() == ' '))
        key = static_cast<char>(key - 'a' + 'A');
    return key;
}

// The minus always goes in front, wherever the caret is.
void TCustomNumEdit::PrependMinus() {
    if (maxLength_ > 0 && text().size() >= maxLength_) {
        platform::Beep();
        return;
    }
    const int caret = cursorPosition();
    std::string text = Text();
    text.insert(text.begin(), '-');
    SetText(text);
    setCursorPosition(caret + 1);
}

void TCustomNumEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    Guarded([this] {
        if (!editing_) Enter();
    });
}

void TCustomNumEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!editing_ || KeepsFieldEntered(event->reason())) return;
    Guarded([this] { Leave(); });
}

void TCustomNumEdit::Enter() {
    editing_ = true;
    BeginEditingLook();
    if (StripsFormattingOnEntry(numericType_))
        SetText(FilterChars(Text(), CharSetOf("-0123456789.")));
    deselect();
    setCursorPosition(0);
    if (OnEnter) OnEnter(*this);
}

void TCustomNumEdit::Leave() {
    EndEditingLook();
    if (const std::optional<Refusal> refusal = RefusalOnLeaving()) {
        Refuse(*refusal);
        if (!refusal->exitCompletes) return;
    } else {
        editing_ = false;
    }
    Redisplay();
    if (OnExit) OnExit(*this);
}

// The field takes the focus back before the box is shown, so the control the focus was moving
// to is never entered and the box's own focus changes find this field still being edited.
void TCustomNumEdit::Refuse(const Refusal& refusal) {
    if (refusal.beep) platform::Beep();
    BeginEditingLook();
    setFocus(Qt::OtherFocusReason);
    if (!hasFocus()) {
        // Hidden or disabled: the field cannot be edited any more.
        EndEditingLook();
        editing_ = false;
    }
    selectAll();
    dialogs_.Error(refusal.message);
}

std::optional<TCustomNumEdit::Refusal> TCustomNumEdit::RefusalOnLeaving() {
    const std::string text = Text();
    const std::string trimmed = Trimmed(text);
    if (numericType_ == ntDate) return DateRefusal(trimmed);
    if (numericType_ == ntSpecial) return std::nullopt;
    if (numericType_ == ntNone || numericType_ == ntPCode) {
        if (!trimmed.empty() && allowed_.any() && HasCharacterOutside(text, allowed_))
            return Refusal{kInvalidCharactersMessage, true};
        return std::nullopt;
    }
    if (const IdentifierRules* rules = IdentifierRulesOf(numericType_)) {
        if (!trimmed.empty() && !rules->isValid(text)) return Refusal{rules->invalidMessage, true};
        return std::nullopt;
    }
    return AmountRefusal();
}

std::optional<TCustomNumEdit::Refusal> TCustomNumEdit::DateRefusal(const std::string& trimmed) {
    if (trimmed.empty() || trimmed == "/  /") {
        enteredDate_.reset();
        if (mandatory_) return Refusal{kMandatoryMessage, false, true};
        return std::nullopt;
    }
    std::string text = Text();
    if (const std::optional<std::string> expanded = data::ExpandDigitDate(trimmed)) {
        text = *expanded;
        SetText(text);
    }
    const std::optional<data::Date> date = data::ParseDate(text, data::TwoDigitYears::EntryField);
    if (!date) return Refusal{kBadDateMessage, true};
    enteredDate_ = *date;
    return std::nullopt;
}

std::optional<TCustomNumEdit::Refusal> TCustomNumEdit::AmountRefusal() {
    const std::optional<long double> value = ReadValue();
    const std::string text = Text();
    const bool empty = Trimmed(text).empty();
    if (mandatory_ && empty) return Refusal{kMandatoryMessage};
    if (empty) return std::nullopt;
    // Only pasting can produce a text that is no number, such as two decimal separators.
    if (!value) return Refusal{kInvalidCharactersMessage};
    if (validate_ && (*value < minVal_ || *value > maxVal_) && *value != data::kExplicitZero)
        return Refusal{"Value must be between " + FormatGeneral(minVal_) + " and " +
                       FormatGeneral(maxVal_)};
    CharSet allowed = allowed_;
    if (numericType_ == ntPercentage) allowed.set('%');
    if (allowed_.any() && HasCharacterOutside(text, allowed))
        return Refusal{kInvalidCharactersMessage};
    return std::nullopt;
}

void TCustomNumEdit::BeginEditingLook() {
    savedAlignment_ = alignment_;
    alignment_ = taLeftJustify;
    if (changeFocusColor_ && !focusColoured_) {
        normalPalette_ = palette();
        QPalette focused = normalPalette_;
        focused.setColor(QPalette::Base, QColor(0xFF, 0x00, 0x00));
        focused.setColor(QPalette::Text, Qt::white);
        setPalette(focused);
        focusColoured_ = true;
    }
}

void TCustomNumEdit::EndEditingLook() {
    if (focusColoured_) {
        setPalette(normalPalette_);
        focusColoured_ = false;
    }
    alignment_ = savedAlignment_;
    update();
}

void TCustomNumEdit::paintEvent(QPaintEvent* event) {
    if (editing_) {
        QLineEdit::paintEvent(event);
        return;
    }
    Guarded([this] { DrawUnfocused(); });
}

// Black text at the field's alignment on the window colour, inside a single-line frame.
void TCustomNumEdit::DrawUnfocused() {
    QPainter painter(this);
    const QRect bounds = rect();
    painter.fillRect(bounds, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(bounds.adjusted(0, 0, -1, -1));

    const QRect client = bounds.adjusted(1, 1, -1, -1);
    const QString shown = text();
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(shown);
    int x = 3;
    if (alignment_ == taRightJustify) x = client.width() - textWidth - 3;
    if (alignment_ == taCenter) x = (client.width() - textWidth - 1) / 2;
    x = std::max(x, 0);
    const int y = (client.height() - metrics.height() + 1) / 2;
    painter.setFont(font());
    painter.setPen(isEnabled() ? QColor(Qt::black)
                               : palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(client.left() + x, client.top() + y + metrics.ascent(), shown);
}

}  // namespace ftb::controls
