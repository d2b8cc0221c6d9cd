#include "controls/TaxEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTest>
#include <QWidget>
#include <stdexcept>

#include "controls/TaxEditText.h"
#include "data/FieldStore.h"
#include "platform/Beep.h"
#include "platform/QtDialogs.h"
#include "platform/ScriptedDialogs.h"

namespace ftb::controls {
namespace {

using data::kExplicitZero;
using namespace std::chrono;

constexpr const char* kError = "Error";
constexpr const char* kMandatory = "This field is mandatory and MUST be completed";
constexpr const char* kInvalidCharacters = "Result contains invalid characters";
constexpr const char* kBadDate = "The date must be in dd/mm/yyyy format !";

// Two entry fields in a shown, active window: `field` under test and `other`, where Tab and
// clicks take the focus.
class TaxEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs.onFailure = [](const std::string& failure) { ADD_FAILURE() << failure; };
        window.resize(300, 100);
        field = new TTaxEdit(&window, dialogs);
        field->setGeometry(10, 10, 120, 22);
        other = new TTaxEdit(&window, dialogs);
        other->setGeometry(10, 50, 120, 22);
        field->OnExit = [this](TCustomNumEdit&) { ++exits; };
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        // Activating the window focused its first field; each test chooses where to start.
        field->clearFocus();
        exits = 0;
        platform::ResetBeepCount();
    }
    void TearDown() override {
        for (const std::string& unmet : dialogs.Unmet()) ADD_FAILURE() << unmet;
    }

    void Enter() { field->setFocus(Qt::TabFocusReason); }
    void Type(const char* keys) { QTest::keyClicks(field, QString::fromLatin1(keys)); }
    void Leave() { QTest::keyClick(field, Qt::Key_Tab); }
    void EnterTypeLeave(const char* keys) {
        Enter();
        Type(keys);
        Leave();
    }
    // The entry was refused: the field kept the focus with its whole text selected.
    void ExpectRefused() {
        EXPECT_TRUE(field->hasFocus());
        EXPECT_FALSE(other->hasFocus());
        EXPECT_EQ(field->selectedText(), field->text());
        EXPECT_EQ(exits, 0);
    }
    void ExpectAccepted() {
        EXPECT_TRUE(other->hasFocus());
        EXPECT_EQ(exits, 1);
    }

    platform::ScriptedDialogs dialogs;
    QWidget window;
    TTaxEdit* field = nullptr;
    TTaxEdit* other = nullptr;
    int exits = 0;
};

TEST_F(TaxEditTest, EachKindAppliesItsPreset) {
    struct Case {
        TNumericType kind;
        int decimals;
        TAlignment alignment;
        int maxLength;
        const char* typed;
        const char* accepted;
        int beeps;
    };
    const Case cases[] = {
        {ntCurrency, 0, taRightJustify, 0, "a1-.2", "-12", 2},
        {ntCurrencyCnt, 2, taRightJustify, 0, "1.5.x", "1.5", 2},
        {ntPercentage, 0, taRightJustify, 0, "12.5%a", "12.5%", 1},
        {ntDate, 0, taLeftJustify, 10, "1/7/2001a", "1/7/2001", 1},
        {ntSpecial, 0, taLeftJustify, 0, "ab", "", 2},  // no set of its own: nothing passes
        {ntNumeric, 0, taLeftJustify, 0, "1-2.3", "123", 2},
        {ntPhone, 0, taLeftJustify, 0, "02 9", "029", 1},
        {ntCPI, 0, taRightJustify, 0, "1.2.3", "1.23", 1},
        {ntTFN, 0, taLeftJustify, 0, "87a6", "876", 1},
        {ntPCode, 0, taLeftJustify, 0, "2x000", "2000", 1},
        {ntDec2, 2, taRightJustify, 6, "1234567", "123456", 0},  // the limit cuts silently
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TTaxEdit edit(&window, dialogs);
        edit.SetNumericType(c.kind);
        EXPECT_EQ(edit.Decimals(), c.decimals);
        EXPECT_EQ(edit.Alignment(), c.alignment);
        EXPECT_EQ(edit.MaxLength(), c.maxLength);
        platform::ResetBeepCount();
        QTest::keyClicks(&edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(edit.Text(), c.accepted);
        EXPECT_EQ(platform::BeepCount(), c.beeps);
    }
}

TEST_F(TaxEditTest, TextSetsOfTheKindsAndDataTypes) {
    struct Case {
        TVarnholtDataType type;
        TNumericType kind;
        const char* typed;
        const char* accepted;
    };
    const Case cases[] = {
        // The general text set of ntNone (reached from another kind).
        {vtNone, ntNone, "aZ9 `@!#$%&()_-={}[]|\\;:'\".?/,~^*+<>", "aZ9 `@!#$%&()_-={}[]|\\;:'\".?/,"},
        {vtNameText, ntSpecial, "aZ9 `@!#$%&()_-={}[]|\\;:'\".?/,~*", "aZ9 `@!#$%&()_-={}[]\\;:'\".?/"},
        {vtText, ntSpecial, "aZ9 @!$%&*()-=[];:'\".?/,`#_{}|\\~", "aZ9 @!$%&*()-=[];:'\".?/,"},
        {vtAddressText, ntSpecial, "aZ9 &'/-()!,.", "aZ9 &'/-()"},
        {vtRestrictedNameText, ntSpecial, "O'Brien-Smith 2!", "O'Brien-Smith 2"},
        {vtQuestion, ntSpecial, "xY", "Y"},
        {vtDollarCents, ntSpecial, "-1.5", "1.5"},
        {vtDate, ntSpecial, "010720019", "01072001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TTaxEdit edit(&window, dialogs);
        edit.SetNumericType(ntCurrency);
        edit.SetNumericType(c.kind);
        if (c.type != vtNone) {
            edit.SetVarnholtDataType(vtText);  // so that the initial vtAddressText is a change
            edit.SetVarnholtDataType(c.type);
        }
        QTest::keyClicks(&edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(edit.Text(), c.accepted);
    }
}

TEST_F(TaxEditTest, PropertiesAssignedInDescriptionOrderLetTheLastSetWin) {
    // Decimals before NumericType is overridden by the kind's preset.
    field->SetDecimals(3);
    field->SetMaxLength(8);
    field->SetNumericType(ntCurrencyCnt);
    EXPECT_EQ(field->Decimals(), 2);
    // ValidChars after NumericType overrides the kind's set; re-assigning the initial data type
    // changes nothing, so the set stays.
    field->SetValidChars("0..9");
    field->SetVarnholtDataType(vtAddressText);
    Type("-1.a2");
    EXPECT_EQ(field->Text(), "12");
    EXPECT_EQ(platform::BeepCount(), 3);
    field->SetVarnholtDataType(vtDollarCents);  // a different data type replaces the set
    Type(".5");
    EXPECT_EQ(field->Text(), "12.5");
}

TEST_F(TaxEditTest, BadValidCharsIsReportedAndEmptiesTheSet) {
    field->SetValidChars("0..9");
    dialogs.Expect(kError, "Bad ValidChars property 0..9,ab !");
    field->SetValidChars("0..9,ab");
    Type("x!7");  // an ntNone field with an empty set takes every character
    EXPECT_EQ(field->Text(), "x!7");
    EXPECT_EQ(platform::BeepCount(), 0);
}

TEST_F(TaxEditTest, AmountsAreReadAndShownByKind) {
    struct Case {
        TNumericType kind;
        bool useRounding;
        const char* typed;
        const char* shown;
        long double value;
    };
    const Case cases[] = {
        {ntCurrency, true, "1234", "1234", 1234},
        {ntCurrency, true, "12-34", "-1234", -1234},  // the minus goes in front
        {ntCurrency, true, "0", "0", kExplicitZero},
        {ntCurrency, true, "00", "0", kExplicitZero},
        {ntCurrency, true, "", "", 0},
        {ntCurrency, true, "-", "", 0},
        {ntCurrencyCnt, true, "12.756", "12.76", 12.76L},
        {ntCurrencyCnt, true, "12.5", "12.50", 12.5L},
        {ntCurrencyCnt, true, "0.125", "0.12", 0.12L},  // the stored fraction rounds half to even
        {ntCurrencyCnt, true, "-12.756", "-12.76", -12.76L},  // the value is read from the text
        {ntCurrencyCnt, true, "0.004", "0.00", kExplicitZero},
        {ntCurrencyCnt, true, "0.00", "0.00", kExplicitZero},
        {ntCurrencyCnt, false, "12.75", "12.00", 12},
        {ntNumeric, true, "42", "42", 42},
        {ntCPI, true, "2.5", "3", 3},  // the display rounds halves away from zero
        {ntPercentage, true, "12.5", "12.50%", 12.5L},
        {ntPercentage, true, "0", "0%", kExplicitZero},
        {ntDec2, true, "0.5", "000.50", 0.5L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        field->SetNumericType(c.kind);
        field->SetValidChars(c.kind == ntCurrency ? "-,0..9" : "-,0..9,.");
        field->SetUseRounding(c.useRounding);
        field->SetText("");
        exits = 0;
        EnterTypeLeave(c.typed);
        ExpectAccepted();
        EXPECT_EQ(field->Text(), c.shown);
        if (c.value == kExplicitZero)
            EXPECT_EQ(field->NumValue(), kExplicitZero);
        else
            EXPECT_NEAR(static_cast<double>(field->NumValue()), static_cast<double>(c.value), 1e-12);
        EXPECT_EQ(field->Alignment(), taRightJustify);
    }
    EXPECT_EQ(platform::BeepCount(), 0);
}

TEST_F(TaxEditTest, MinusAndSeparatorRulesWhileTyping) {
    field->SetNumericType(ntCurrencyCnt);
    Enter();
    Type("12-");
    EXPECT_EQ(field->Text(), "-12");
    EXPECT_EQ(field->cursorPosition(), 3);
    Type("-.5.");
    EXPECT_EQ(field->Text(), "-12.5");
    EXPECT_EQ(platform::BeepCount(), 2);
}

TEST_F(TaxEditTest, DollarsAndCentsKeepRoomForTheDecimals) {
    field->SetNumericType(ntCurrencyCnt);
    field->SetMaxLength(10);
    Enter();
    Type("12345678");
    EXPECT_EQ(field->Text(), "1234567");
    EXPECT_EQ(platform::BeepCount(), 1);
    Type(".99");
    EXPECT_EQ(field->Text(), "1234567.99");

    // Without a length limit there is no room to keep.
    other->SetNumericType(ntCurrencyCnt);
    QTest::keyClicks(other, QStringLiteral("123456789012"));
    EXPECT_EQ(other->Text(), "123456789012");
}

TEST_F(TaxEditTest, EnteringStripsTheDisplayFormAndPutsTheCaretAtTheStart) {
    struct Case {
        TNumericType kind;
        const char* assigned;
        const char* shown;
        const char* edited;
    };
    const Case cases[] = {
        {ntPercentage, "12.5", "12.50%", "12.50"},
        {ntTFN, "876543210", "876 543 210", "876543210"},
        {ntCurrency, "-1234", "-1234", "-1234"},
        {ntDec2, "0.5", "000.50", "000.50"},  // keeps its padding
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.assigned);
        field->SetNumericType(c.kind);
        field->SetText(c.assigned);
        Enter();
        Leave();
        EXPECT_EQ(field->Text(), c.shown);
        Enter();
        EXPECT_EQ(field->Text(), c.edited);
        EXPECT_EQ(field->Alignment(), taLeftJustify);
        EXPECT_EQ(field->cursorPosition(), 0);
        EXPECT_FALSE(field->hasSelectedText());
        Leave();
    }
}

TEST_F(TaxEditTest, ExplicitZeroIsShownAsZeroAndEmptyAsNothing) {
    field->SetNumericType(ntCurrency);
    field->SetNumValue(kExplicitZero);
    EXPECT_EQ(field->Text(), "0");
    EXPECT_EQ(field->NumValue(), kExplicitZero);
    field->SetNumValue(0);
    EXPECT_EQ(field->Text(), "");
    EXPECT_EQ(field->NumValue(), 0);
}

TEST_F(TaxEditTest, RangeIsCheckedOnlyWhenValidateIsOn) {
    field->SetMaxVal(999);
    field->SetMinVal(1);
    field->SetNumericType(ntCurrency);
    struct Case {
        const char* typed;
        bool refused;
    };
    for (const Case c : {Case{"1000", true}, {"-5", true}, {"0", false}, {"999", false},
                         {"1", false}, {"", false}}) {
        SCOPED_TRACE(c.typed);
        field->SetValidate(true);
        field->SetText("");
        exits = 0;
        if (c.refused) dialogs.Expect(kError, "Value must be between 1 and 999");
        EnterTypeLeave(c.typed);
        if (c.refused) {
            ExpectRefused();
            field->SetValidate(false);  // the same entry passes without the check
            Leave();
        }
        ExpectAccepted();
    }
    EXPECT_EQ(platform::BeepCount(), 0);
}

TEST_F(TaxEditTest, RangeMessageUsesTheShortestNumberForm) {
    field->SetNumericType(ntPercentage);
    field->SetMinVal(0.5L);
    field->SetMaxVal(99.75L);
    field->SetValidate(true);
    dialogs.Expect(kError, "Value must be between 0.5 and 99.75");
    EnterTypeLeave("100");
    ExpectRefused();
    Type("50");  // typing replaces the selected entry
    Leave();
    ExpectAccepted();
    EXPECT_EQ(field->Text(), "50.00%");
}

TEST_F(TaxEditTest, EmptyMandatoryAmountKeepsTheFocusWithoutASound) {
    field->SetNumericType(ntCurrency);
    field->SetMandatory(true);
    dialogs.Expect(kError, kMandatory);
    EnterTypeLeave(" ");
    ExpectRefused();
    EXPECT_EQ(platform::BeepCount(), 1);  // for the refused space only, none for the message
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(0xFF, 0, 0));  // still edited

    // Text and identifier kinds are not mandatory.
    field->SetMandatory(false);
    for (TNumericType kind : {ntNone, ntSpecial, ntTFN, ntPCode}) {
        other->SetNumericType(kind);
        other->SetMandatory(true);
        other->setFocus(Qt::TabFocusReason);
        QTest::keyClick(other, Qt::Key_Backtab);
        EXPECT_FALSE(other->hasFocus()) << kind;
    }
}

TEST_F(TaxEditTest, OnlyTheRefusingFieldShowsItsMessageWhenTheNextIsMandatoryToo) {
    for (TTaxEdit* edit : {field, other}) {
        edit->SetNumericType(ntCurrency);
        edit->SetMandatory(true);
    }
    int otherEntered = 0;
    other->OnEnter = [&](TCustomNumEdit&) { ++otherEntered; };
    dialogs.Expect(kError, kMandatory);
    Enter();
    Leave();
    ExpectRefused();
    EXPECT_EQ(otherEntered, 0);
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

// A real box runs a modal loop inside the focus change and moves the window's activation.
TEST_F(TaxEditTest, WithRealBoxesTheRefusingFieldKeepsTheFocusAndTheNextIsNeverEntered) {
    platform::QtDialogs boxes([this] { return &window; });
    TTaxEdit first(&window, boxes), second(&window, boxes);
    first.setGeometry(150, 10, 120, 22);
    second.setGeometry(150, 50, 120, 22);
    for (TTaxEdit* edit : {&first, &second}) {
        edit->SetNumericType(ntCurrency);
        edit->SetMandatory(true);
        edit->show();
    }
    int secondEntered = 0;
    second.OnEnter = [&](TCustomNumEdit&) { ++secondEntered; };
    QStringList texts;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        texts << box->text();
        if (texts.size() > 5) qFatal("the fields keep refusing each other");
        box->button(QMessageBox::Ok)->click();
    });
    answerer.start(0);

    first.setFocus(Qt::TabFocusReason);
    for (int attempt = 1; attempt <= 2; ++attempt) {
        QTest::keyClick(&first, Qt::Key_Tab);
        EXPECT_TRUE(QTest::qWaitFor([&] { return first.hasFocus(); }, 2000));
        EXPECT_EQ(texts.size(), attempt);
    }
    EXPECT_EQ(texts.front(), QString::fromLatin1(kMandatory));
    EXPECT_EQ(secondEntered, 0);
    QTest::keyClicks(&first, QStringLiteral("7"));
    QTest::keyClick(&first, Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([&] { return second.hasFocus(); }, 2000));
    EXPECT_EQ(secondEntered, 1);
    EXPECT_EQ(first.Text(), "7");
}

TEST_F(TaxEditTest, TextsThatAreNoNumberOrHoldOtherCharactersAreRefused) {
    // A space passes as part of a pasted number but is not an allowed character.
    field->SetNumericType(ntNumeric);
    Enter();
    field->SetText("1 234");
    dialogs.Expect(kError, kInvalidCharacters);
    Leave();
    ExpectRefused();
    EXPECT_EQ(platform::BeepCount(), 0);

    // Two separators can only be pasted; the text is kept for correction.
    field->SetNumericType(ntCurrencyCnt);
    field->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("1.2.3"));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->Text(), "1.2.3");
    dialogs.Expect(kError, kInvalidCharacters);
    Leave();
    ExpectRefused();
    EXPECT_EQ(field->Text(), "1.2.3");
    EXPECT_EQ(platform::BeepCount(), 0);
}

// What the return's texts cannot hold is refused as it is typed or pasted, with the alert sound;
// it never reaches the field as "?".
TEST_F(TaxEditTest, CharactersWindows1252CannotHoldAreRefusedTypedOrPasted) {
    field->SetNumericType(ntNone);
    Enter();
    field->SetText("ab");
    field->end(false);
    // A CJK character, as a keyboard of its script sends it.
    QKeyEvent cjk(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\xE6\x97\xA5"));
    QApplication::sendEvent(field, &cjk);
    EXPECT_EQ(field->Text(), "ab");
    EXPECT_EQ(platform::BeepCount(), 1);
    QGuiApplication::clipboard()->setText(QString::fromUtf8("c\xE6\x97\xA5"));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->Text(), "ab");
    EXPECT_EQ(platform::BeepCount(), 2);
    QGuiApplication::clipboard()->setText(QString::fromUtf8("c\xC3\xAB"));  // "c" and e-diaeresis
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->Text(), "abc\xEB");
    EXPECT_EQ(platform::BeepCount(), 2);
}

TEST_F(TaxEditTest, TextAndPostcodeKindsSoundTheAlertForOtherCharacters) {
    for (TNumericType kind : {ntNone, ntPCode}) {
        SCOPED_TRACE(kind);
        field->SetNumericType(kind);
        field->SetValidChars("0..9");
        Enter();
        field->SetText("12a4");
        platform::ResetBeepCount();
        dialogs.Expect(kError, kInvalidCharacters);
        Leave();
        ExpectRefused();
        EXPECT_EQ(platform::BeepCount(), 1);
        field->SetText("1234");
        Leave();
        ExpectAccepted();
        exits = 0;
    }
}

TEST_F(TaxEditTest, DatesInTheThreeTypedForms) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"010701", "01/07/2001"},     // six digits: two-digit year
        {"01072001", "01/07/2001"},   // eight digits
        {"1/7/01", "01/07/2001"},     // with separators
        {"150199", "15/01/1999"},
        {"311251", "31/12/2051"},     // 00..51 are 2000..2051
        {"010152", "01/01/1952"},     // 52..99 are 1952..1999
        {"", ""},
    };
    field->SetNumericType(ntDate);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        field->SetText("");
        exits = 0;
        EnterTypeLeave(c.typed);
        ExpectAccepted();
        EXPECT_EQ(field->Text(), c.shown);
    }
    EXPECT_EQ(platform::BeepCount(), 0);
}

TEST_F(TaxEditTest, UnreadableDatesAreRefusedWithTheAlertSound) {
    struct Case {
        const char* typed;
        const char* kept;
    };
    field->SetNumericType(ntDate);
    for (const Case c : {Case{"31022002", "31/02/2002"}, {"1/13/2001", "1/13/2001"},
                         {"12345", "12345"}}) {
        SCOPED_TRACE(c.typed);
        field->SetText("");
        platform::ResetBeepCount();
        dialogs.Expect(kError, kBadDate);
        EnterTypeLeave(c.typed);
        ExpectRefused();
        EXPECT_EQ(field->Text(), c.kept);
        EXPECT_EQ(platform::BeepCount(), 1);
        field->SetText("");
        Leave();
        ExpectAccepted();
        exits = 0;
    }
}

TEST_F(TaxEditTest, EmptyMandatoryDateIsReportedButTheExitStillCompletes) {
    field->SetNumericType(ntDate);
    field->SetMandatory(true);
    field->SetText("  /  /    ");
    dialogs.Expect(kError, kMandatory);
    Enter();
    Leave();
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(field->Text(), "");
    EXPECT_EQ(platform::BeepCount(), 0);
}

TEST_F(TaxEditTest, IdentifiersAreCheckedAndShownGrouped) {
    struct Case {
        TNumericType kind;
        const char* valid;
        const char* shown;
        const char* invalid;
        const char* message;
    };
    const Case cases[] = {
        {ntTFN, "876543210", "876 543 210", "0", "Invalid Tax File Number (TFN)"},
        {ntABN, "18123456789", "18 123 456 789", "18123456780",
         "Invalid Australian Business Number (ABN)"},
        {ntACN, "123456780", "123 456 780", "123456781", "Invalid ACN/ARBN"},
        {ntSFN, "100000000", "1000 000 00", "100000001", "Invalid SFN"},
        {ntDIN, "12345678918", "12 345 678 918", "123456789",
         "Invalid Document Indentification Number (DIN)"},
        {ntEGN, "12345677", "123 456 77", "00000000", "Invalid Employer group number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.valid);
        field->SetNumericType(c.kind);
        field->SetText("");
        platform::ResetBeepCount();
        dialogs.Expect(kError, c.message);
        EnterTypeLeave(c.invalid);
        ExpectRefused();
        EXPECT_EQ(platform::BeepCount(), 1);
        Type(c.valid);
        Leave();
        ExpectAccepted();
        EXPECT_EQ(field->Text(), c.shown);
        exits = 0;
    }
}

TEST_F(TaxEditTest, AssignTextReadsTheAmountKindsOnly) {
    struct Case {
        TNumericType kind;
        const char* assigned;
        const char* shown;
    };
    const Case cases[] = {
        {ntCurrency, "12", "12"},
        {ntCurrency, "0", "0"},
        {ntCurrency, "12-34", "-1234"},  // a stored minus behind the digits moves to the front
        {ntCurrencyCnt, "1234.5", "1234.50"},
        {ntCurrencyCnt, "1-2.5", "-12.50"},
        {ntPercentage, "12.5%", "12.50%"},
        {ntNumeric, "007", "7"},
        {ntCurrencyCnt, "1.2.3", "1.2.3"},  // no number: left for the check on leaving
        {ntDec2, "5", "5"},
        {ntTFN, "876543210", "876543210"},
        {ntNone, "abc", "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.assigned);
        field->SetNumericType(c.kind);
        field->AssignText(c.assigned);
        EXPECT_EQ(field->Text(), c.shown);
    }
    field->SetNumericType(ntCurrency);
    field->AssignText("0");
    EXPECT_EQ(field->NumValue(), kExplicitZero);
}

TEST_F(TaxEditTest, MaxLengthLimitsTypingAndPastingButNeverTheProgramsTexts) {
    field->SetNumericType(ntTFN);
    field->SetMaxLength(9);
    EnterTypeLeave("8765432101");
    EXPECT_EQ(field->Text(), "876 543 210");  // the display form is longer than the limit

    field->SetNumericType(ntNone);
    field->AssignText("a stored text longer than the limit");
    EXPECT_EQ(field->Text(), "a stored text longer than the limit");
    field->SetText("");
    Enter();
    QGuiApplication::clipboard()->setText(QStringLiteral("1234567890"));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->Text(), "");
}

TEST_F(TaxEditTest, CapitaliseWordsUpperCasesTheFirstLetterOfEachWord) {
    for (TNumericType kind : {ntSpecial, ntNone}) {
        TTaxEdit edit(&window, dialogs);
        edit.SetNumericType(ntCurrency);
        edit.SetNumericType(kind);
        edit.SetValidChars("A..Z,a..z,0..9,-, ,'");
        edit.SetCapitaliseWords(true);
        QTest::keyClicks(&edit, QStringLiteral("john smith o'neil"));
        EXPECT_EQ(edit.Text(), "John Smith O'neil") << kind;
    }
}

TEST_F(TaxEditTest, StateKeyPressTurnsLettersIntoStateCodes) {
    struct Case {
        const char* typed;
        const char* state;
    };
    const Case cases[] = {
        {"N", "NSW"}, {"NT", "NT"}, {"NS", "NSW"}, {"nt", "NT"}, {"S", "SA"},  {"T", "TAS"},
        {"q", "QLD"}, {"a", "ACT"}, {"W", "WA"},   {"v", "VIC"}, {"Q5", "QLD"}, {"NTT", "TAS"},
    };
    field->SetNumericType(ntSpecial);
    field->SetValidChars("A..Z,a..z,0..9,-,',&,/,(, ,)");
    field->SetMaxLength(3);
    field->OnKeyPress = [](TCustomNumEdit& sender, char& key) { StateKeyPress(&sender, key); };
    for (const Case& c : cases) {
        field->SetText("");
        Type(c.typed);
        EXPECT_EQ(field->Text(), c.state) << c.typed;
    }
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->Text(), "");

    QObject notAField;
    char key = 'N';
    StateKeyPress(&notAField, key);
    EXPECT_EQ(key, 'N');
}

TEST_F(TaxEditTest, ControlKeysPassAndForeignCharactersAreRefused) {
    field->SetNumericType(ntNumeric);
    Enter();
    Type("123");
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_EQ(field->Text(), "2");
    EXPECT_EQ(platform::BeepCount(), 0);

    // An unrestricted text field takes Windows-1252 letters but nothing the code page lacks.
    for (char16_t character : {u'\u00E9', u'\u0416'}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(character)));
        QApplication::sendEvent(other, &press);
    }
    EXPECT_EQ(other->Text(), "\xE9");
    EXPECT_EQ(platform::BeepCount(), 1);

    other->setReadOnly(true);
    QTest::keyClicks(other, QStringLiteral("x"));
    EXPECT_EQ(other->Text(), "\xE9");
}

TEST_F(TaxEditTest, OnKeyPressSeesTheAdjustedKeyAndMayConsumeIt) {
    std::string seen;
    field->SetCapitaliseWords(true);
    field->OnKeyPress = [&](TCustomNumEdit&, char& key) {
        seen += key;
        if (key == 'X') key = 0;
    };
    Type("ab x");
    EXPECT_EQ(seen, "Ab X");
    EXPECT_EQ(field->Text(), "Ab ");
}

TEST_F(TaxEditTest, FocusColoursWhileEditing) {
    const QColor normal = field->palette().color(QPalette::Base);
    other->SetChangeFocusColor(false);
    field->SetText("12");
    Enter();
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(0xFF, 0, 0));
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::white));
    const QImage focused = field->grab().toImage();
    EXPECT_EQ(focused.pixelColor(field->width() - 8, field->height() / 2), QColor(0xFF, 0, 0));
    Leave();
    EXPECT_EQ(field->palette().color(QPalette::Base), normal);
    ASSERT_TRUE(other->hasFocus());
    EXPECT_EQ(other->palette().color(QPalette::Base), normal);
}

// The first and last columns with dark (text) pixels inside the frame.
std::pair<int, int> InkColumns(const QImage& image) {
    int first = -1, last = -1;
    for (int x = 1; x < image.width() - 1; ++x)
        for (int y = 1; y < image.height() - 1; ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

TEST_F(TaxEditTest, AnUnfocusedFieldDrawsItsTextAtItsAlignment) {
    struct Case {
        TAlignment alignment;
        const char* text;
    };
    const Case cases[] = {{taLeftJustify, "1234"},
                          {taRightJustify, "1234"},
                          {taCenter, "1234"},
                          {taRightJustify, "1234567890123456789012345"}};  // never left of 0
    const QFontMetrics metrics(field->font());
    const int clientWidth = field->width() - 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        field->SetAlignment(c.alignment);
        field->SetText(c.text);
        const int textWidth = metrics.horizontalAdvance(QString::fromLatin1(c.text));
        int x = 3;
        if (c.alignment == taRightJustify) x = clientWidth - textWidth - 3;
        if (c.alignment == taCenter) x = (clientWidth - textWidth - 1) / 2;
        x = std::max(x, 0);
        const auto [first, last] = InkColumns(field->grab().toImage());
        // The glyphs start within a few pixels of the text origin.
        EXPECT_GE(first, 1 + x);
        EXPECT_LE(first, 1 + x + 3);
        EXPECT_GT(last, first);
    }
}

TEST_F(TaxEditTest, LeavingByMouseClickIsCheckedLikeTab) {
    field->SetNumericType(ntCurrency);
    field->SetMandatory(true);
    Enter();
    dialogs.Expect(kError, kMandatory);
    QTest::mouseClick(other, Qt::LeftButton);
    ExpectRefused();
    Type("5");
    QTest::mouseClick(other, Qt::LeftButton);
    ExpectAccepted();
    EXPECT_EQ(field->Text(), "5");
}

TEST_F(TaxEditTest, ExceptionsOfEventHandlersAreShownAndTheFieldCarriesOn) {
    field->OnExit = [](TCustomNumEdit&) { throw std::runtime_error("exit failed"); };
    field->OnKeyPress = [](TCustomNumEdit&, char& key) {
        if (key == '!') throw std::runtime_error("key failed");
    };
    dialogs.Expect(kError, "key failed");
    dialogs.Expect(kError, "exit failed");
    Enter();
    Type("a!b");
    Leave();
    EXPECT_EQ(field->Text(), "ab");
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(TaxEditTest, DateBoundsPullTheStoredDate) {
    const data::Date date = sys_days{2001y / July / 1d};
    field->SetDateValue(date);
    field->SetMinDate(sys_days{2000y / January / 1d});
    EXPECT_EQ(field->DateValue(), date);
    field->SetMaxDate(sys_days{2001y / January / 1d});
    EXPECT_EQ(field->DateValue(), sys_days{2001y / January / 1d});
    field->SetMinDate(sys_days{2001y / March / 1d});
    EXPECT_EQ(field->DateValue(), sys_days{2001y / March / 1d});
    EXPECT_EQ(TTaxEdit(&window, dialogs).DateValue(), kDateZero);
}

TEST(TaxEditText, FixedNotationRoundsHalvesAwayFromZero) {
    struct Case {
        long double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {2.5L, 0, "3"},           {-2.5L, 0, "-3"},         {0.125L, 2, "0.13"},
        {1.005L, 2, "1.01"},      {9.996L, 2, "10.00"},     {-0.4L, 0, "0"},
        {0, 2, "0.00"},           {0.0011L, 0, "0"},        {1234567.891L, 2, "1234567.89"},
        {1e20L, 0, "100000000000000000000"},                {0.5L, 3, "0.500"},
        {5, 100, "5.000000000000000000"},  // places beyond an extended value's are not shown
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << static_cast<double>(c.value);
}

TEST(TaxEditText, EntryNumbersKeepATypedZeroApartFromAnEmptyEntry) {
    struct Case {
        const char* text;
        std::optional<long double> value;
    };
    const Case cases[] = {
        {"", 0.0L},         {"-", 0.0L},          {"0", kExplicitZero},   {"0.00", kExplicitZero},
        {"000.00", kExplicitZero},                {"-0", kExplicitZero},  {"12.5", 12.5L},
        {"-.5", -0.5L},     {"1.2.3", std::nullopt},                      {".", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadEntryNumber(c.text), c.value) << c.text;
    EXPECT_EQ(FormatGeneral(999), "999");
    EXPECT_EQ(FormatGeneral(0.1L), "0.1");
}

}  // namespace
}  // namespace ftb::controls
