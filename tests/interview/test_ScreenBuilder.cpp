#include "interview/ScreenBuilder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>
#include <map>
#include <string>
#include <vector>

#include "controls/Textlbl.h"
#include "data/Errors.h"
#include "interview/Child.h"
#include "interview/support/ScreenTestKit.h"
#include "platform/QtText.h"

namespace ftb::interview {
namespace {

using controls::TTaxEdit;
using controls::TTextLbl;
using controls::TXGrid;
using testkit::TDeclaredScreen;
using testkit::TScreenTestKit;

std::string NameOf(const QObject* object) { return platform::ToWin1252(object->objectName()); }

// One control of every kind, with containers holding controls of their own.
std::vector<TControlDecl> EveryKind(std::map<std::string, int>& clicks) {
    auto count = [&clicks](const char* name) {
        return [&clicks, name](QObject*) { ++clicks[name]; };
    };
    return {
        Text("TextLbl1", {8, 8, 614, 40}, {.Lines = {"<T1>Heading"}}),
        Edit("edtIncome", 1246, {400, 60, 120, 21}, {.NumericType = controls::ntCurrency}),
        Grid("XGrid1", 1249, {8, 90, 400, 120},
             {.ColCount = 2, .Display = {"Start|0|2|10|0|F|F|||||||0|0|F|F|",
                                         "Amount|1|1|8|0|F|F|0|||||||0|F|F|"}}),
        Button("btnCalc", {420, 90, 90, 25}, {.Caption = "&Calculate",
                                              .OnClick = count("btnCalc")}),
        Check("cbExempt", 723, {420, 120, 120, 17}, {.Caption = "Exempt",
                                                     .OnClick = count("cbExempt")}),
        Radio("rbYes", 9, {420, 140, 60, 17}, {.Caption = "Yes", .OnClick = count("rbYes")}),
        Radio("rbNo", 10, {480, 140, 60, 17}, {.Caption = "No", .OnClick = count("rbNo")}),
        Combo("cboState", 1250, {8, 220, 120, 21},
              {.Items = {"NSW", "VIC", "QLD"}, .OnChange = count("cboState")}),
        List("lstNames", {140, 220, 120, 60}, {.Items = {"Ann", "Bob"},
                                               .OnClick = count("lstNames")}),
        Label("lblTotal", 1251, {280, 220, 80, 17}, {.Caption = "Total"}),
        Panel("pnlOuter", {8, 290, 300, 100}),
        Edit("edtInPanel", 1252, {10, 10, 80, 21}).In("pnlOuter"),
        Group("grpChoice", {320, 290, 200, 100}, {.Caption = "Choice"}),
        Radio("rbGroupA", 11, {10, 20, 60, 17}, {.Caption = "A"}).In("grpChoice"),
        Radio("rbGroupB", 12, {10, 40, 60, 17}, {.Caption = "B"}).In("grpChoice"),
        ScrollBox("sbxMore", {8, 400, 300, 60}),
        Check("cbInScroll", 1253, {10, 150, 100, 17}, {.Caption = "Deep"}).In("sbxMore"),
        Button("btnHidden", {540, 420, 80, 25}, {.Caption = "Hidden"}).Hidden().Disabled(),
    };
}

class ScreenBuilderTest : public ::testing::Test {
protected:
    TScreenTestKit kit;
    std::map<std::string, int> clicks;
    TDeclaredScreen screen{kit.Context, EveryKind(clicks)};
};

TEST_F(ScreenBuilderTest, ScreenStartsAsAnInvisibleWhiteDesignSizedForm) {
    TScreenTestKit fresh;
    TChildForm empty(fresh.Context);
    EXPECT_FALSE(empty.isVisible());
    EXPECT_TRUE(empty.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(empty.geometry(), QRect(0, 0, kDesignWidth, kDesignHeight));
    EXPECT_EQ(empty.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(empty.font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(empty.font().pointSize(), 10);
    EXPECT_TRUE(empty.Components().empty());
}

TEST_F(ScreenBuilderTest, EveryDeclaredControlIsAComponentInCreationOrderWithItsKindAndTag) {
    struct Expected {
        const char* name;
        const char* className;
        int tag;
    };
    const std::vector<Expected> expected{
        {"TextLbl1", "ftb::controls::TTextLbl", 0},
        {"edtIncome", "ftb::controls::TTaxEdit", 1246},
        {"XGrid1", "ftb::controls::TXGrid", 1249},
        {"btnCalc", "QPushButton", 0},
        {"cbExempt", "QCheckBox", 723},
        {"rbYes", "QRadioButton", 9},
        {"rbNo", "QRadioButton", 10},
        {"cboState", "QComboBox", 1250},
        {"lstNames", "QListWidget", 0},
        {"lblTotal", "QLabel", 1251},
        {"pnlOuter", "QFrame", 0},
        {"edtInPanel", "ftb::controls::TTaxEdit", 1252},
        {"grpChoice", "QGroupBox", 0},
        {"rbGroupA", "QRadioButton", 11},
        {"rbGroupB", "QRadioButton", 12},
        {"sbxMore", "QScrollArea", 0},
        {"cbInScroll", "QCheckBox", 1253},
        {"btnHidden", "QPushButton", 0},
    };
    ASSERT_EQ(screen.Components().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QObject* component = screen.Components()[i];
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(NameOf(component), expected[i].name);
        EXPECT_STREQ(component->metaObject()->className(), expected[i].className);
        EXPECT_EQ(TagOf(component), expected[i].tag);
        EXPECT_EQ(screen.FindComponent(expected[i].name), component);
    }
}

TEST_F(ScreenBuilderTest, ControlsSitOnTheirDeclaredParentsWithTheirBounds) {
    EXPECT_EQ(screen.Find<TTaxEdit>("edtIncome")->parentWidget(), &screen);
    EXPECT_EQ(screen.Find<TTaxEdit>("edtIncome")->geometry(), QRect(400, 60, 120, 21));
    EXPECT_EQ(screen.Find<TTextLbl>("TextLbl1")->geometry().topLeft(), QPoint(8, 8));
    EXPECT_EQ(screen.Find<TXGrid>("XGrid1")->geometry(), QRect(8, 90, 400, 120));

    auto* panel = screen.Find<QFrame>("pnlOuter");
    auto* inPanel = screen.Find<TTaxEdit>("edtInPanel");
    EXPECT_EQ(inPanel->parentWidget(), panel);
    EXPECT_EQ(inPanel->geometry(), QRect(10, 10, 80, 21));
    EXPECT_EQ(screen.Find<QRadioButton>("rbGroupA")->parentWidget(),
              screen.Find<QGroupBox>("grpChoice"));

    auto* box = screen.Find<QScrollArea>("sbxMore");
    auto* deep = screen.Find<QCheckBox>("cbInScroll");
    EXPECT_EQ(deep->parentWidget(), box->widget());
    // The scrolled area reaches the control below the visible part of the box.
    EXPECT_GE(box->widget()->height(), deep->geometry().bottom() + 1);

    auto* hidden = screen.Find<QPushButton>("btnHidden");
    EXPECT_TRUE(hidden->isHidden());
    EXPECT_FALSE(hidden->isEnabled());
    EXPECT_FALSE(screen.Find<QPushButton>("btnCalc")->isHidden());
}

TEST_F(ScreenBuilderTest, PropertiesOfEachKindAreApplied) {
    EXPECT_EQ(screen.Find<TTaxEdit>("edtIncome")->NumericType(), controls::ntCurrency);
    EXPECT_EQ(screen.Find<QPushButton>("btnCalc")->text(), QStringLiteral("&Calculate"));
    EXPECT_EQ(screen.Find<QGroupBox>("grpChoice")->title(), QStringLiteral("Choice"));
    EXPECT_EQ(screen.Find<QLabel>("lblTotal")->text(), QStringLiteral("Total"));
    EXPECT_EQ(screen.Find<TTextLbl>("TextLbl1")->Text(), std::vector<std::string>{"<T1>Heading"});

    auto* combo = screen.Find<QComboBox>("cboState");
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), -1);  // no item is chosen until the binding says so
    EXPECT_EQ(screen.Find<QListWidget>("lstNames")->count(), 2);

    // The grid parsed its specifications when it was loaded.
    auto* grid = screen.Find<TXGrid>("XGrid1");
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->Column(0).title, "Start");
    EXPECT_EQ(grid->Column(0).type, controls::ctDate);
    EXPECT_EQ(grid->Column(1).type, controls::ctNumeric);

    for (const char* name : {"edtIncome", "btnCalc", "cboState"}) {
        const QFont font = screen.Find<QWidget>(name)->font();
        EXPECT_EQ(font.family(), QStringLiteral("Arial")) << name;
        EXPECT_EQ(font.pointSize(), 10) << name;
    }
}

TEST_F(ScreenBuilderTest, DeclaredFontSizeAndBoldReachTheControlAndTheText) {
    TScreenTestKit other;
    TDeclaredScreen fonts(other.Context,
                          {Button("btnBig", {0, 0, 80, 25}, {.Caption = "Big"}).WithFont(12, true),
                           Text("TextBig", {0, 30, 200, 20}, {.Lines = {"x"}}).WithFont(14, true)});
    const QFont button = fonts.Find<QPushButton>("btnBig")->font();
    EXPECT_EQ(button.pointSize(), 12);
    EXPECT_TRUE(button.bold());
    const controls::TFontDesc& text = fonts.Find<TTextLbl>("TextBig")->Font();
    EXPECT_EQ(text.Size, 14);
    EXPECT_EQ(text.Style & controls::fsBold, controls::fsBold);
}

TEST_F(ScreenBuilderTest, TabOrderCountsTheWindowedControlsOfEachParent) {
    const std::map<std::string, int> expected{
        {"TextLbl1", -1}, {"edtIncome", 0}, {"XGrid1", 1},    {"btnCalc", 2},
        {"cbExempt", 3},  {"rbYes", 4},     {"rbNo", 5},      {"cboState", 6},
        {"lstNames", 7},  {"lblTotal", -1}, {"pnlOuter", 8},  {"edtInPanel", 0},
        {"grpChoice", 9}, {"rbGroupA", 0},  {"rbGroupB", 1},  {"sbxMore", 10},
        {"cbInScroll", 0}, {"btnHidden", 11},
    };
    for (const auto& [name, order] : expected)
        EXPECT_EQ(TabOrderOf(screen.FindComponent(name)), order) << name;
}

// The declared controls that take the focus with Tab, in focus chain order from the first.
std::vector<std::string> FocusChain(const TChildForm& screen, QWidget* first) {
    std::vector<std::string> chain;
    QWidget* widget = first;
    do {
        for (QObject* component : screen.Components())
            if (component == widget && (widget->focusPolicy() & Qt::TabFocus))
                chain.push_back(NameOf(widget));
        widget = widget->nextInFocusChain();
    } while (widget != first);
    return chain;
}

TEST_F(ScreenBuilderTest, FocusChainFollowsTheTabOrderIntoContainers) {
    // The scroll box is no stop of its own: Tab goes from the group straight to what it holds.
    const std::vector<std::string> expected{"edtIncome", "XGrid1",   "btnCalc",    "cbExempt",
                                            "rbYes",     "rbNo",     "cboState",   "lstNames",
                                            "edtInPanel", "rbGroupA", "rbGroupB",
                                            "cbInScroll", "btnHidden"};
    EXPECT_EQ(FocusChain(screen, screen.Find<QWidget>("edtIncome")), expected);

    // A container's controls come right after the container, even when declared later.
    TScreenTestKit other;
    TDeclaredScreen late(other.Context, {
                                            Panel("pnlFirst", {0, 0, 200, 50}),
                                            Edit("edtAfterPanel", 1, {0, 60, 80, 21}),
                                            Edit("edtInPanel", 2, {5, 5, 80, 21}).In("pnlFirst"),
                                            Button("btnLast", {0, 90, 80, 25}, {}),
                                        });
    EXPECT_EQ(FocusChain(late, late.Find<QWidget>("edtInPanel")),
              (std::vector<std::string>{"edtInPanel", "edtAfterPanel", "btnLast"}));
    EXPECT_EQ(TabOrderOf(late.FindComponent("edtAfterPanel")), 1);
    EXPECT_EQ(TabOrderOf(late.FindComponent("edtInPanel")), 0);
}

TEST_F(ScreenBuilderTest, HandlersFireOnRealClicksAndKeys) {
    ASSERT_TRUE(testkit::ShowActive(screen));
    QTest::mouseClick(screen.Find<QPushButton>("btnCalc"), Qt::LeftButton);
    QTest::mouseClick(screen.Find<QCheckBox>("cbExempt"), Qt::LeftButton);
    QTest::mouseClick(screen.Find<QRadioButton>("rbNo"), Qt::LeftButton);
    auto* combo = screen.Find<QComboBox>("cboState");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    auto* list = screen.Find<QListWidget>("lstNames");
    const QRect second = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());

    EXPECT_EQ(clicks["btnCalc"], 1);
    EXPECT_EQ(clicks["cbExempt"], 1);
    EXPECT_EQ(clicks["rbNo"], 1);
    EXPECT_EQ(clicks["rbYes"], 0);
    EXPECT_EQ(clicks["cboState"], 1);
    EXPECT_EQ(clicks["lstNames"], 1);
    EXPECT_EQ(list->currentRow(), 1);
}

TEST_F(ScreenBuilderTest, CheckAndRadioHandlersFollowTheStateAsTheScreensExpect) {
    auto* check = screen.Find<QCheckBox>("cbExempt");
    auto* yes = screen.Find<QRadioButton>("rbYes");
    check->setChecked(true);   // the binding loading a checked field
    check->setChecked(false);  // and unchecking it
    yes->setChecked(true);
    screen.Find<QRadioButton>("rbNo")->setChecked(true);  // unchecks Yes: no click for Yes
    EXPECT_EQ(clicks["cbExempt"], 2);
    EXPECT_EQ(clicks["rbYes"], 1);
    EXPECT_EQ(clicks["rbNo"], 1);
}

TEST_F(ScreenBuilderTest, RadioButtonsOfOneParentExcludeEachOther) {
    ASSERT_TRUE(testkit::ShowActive(screen));
    auto* yes = screen.Find<QRadioButton>("rbYes");
    auto* no = screen.Find<QRadioButton>("rbNo");
    auto* inGroup = screen.Find<QRadioButton>("rbGroupA");
    QTest::mouseClick(inGroup, Qt::LeftButton);
    QTest::mouseClick(yes, Qt::LeftButton);
    QTest::mouseClick(no, Qt::LeftButton);
    EXPECT_FALSE(yes->isChecked());
    EXPECT_TRUE(no->isChecked());
    EXPECT_TRUE(inGroup->isChecked());
}

TEST_F(ScreenBuilderTest, EditHandlersSeeTheKeystrokes) {
    TScreenTestKit other;
    std::string keys;
    int changes = 0;
    TDeclaredScreen typing(other.Context,
                           {Edit("edtName", 711, {10, 10, 120, 21},
                                 {.OnChange = [&](controls::TCustomNumEdit&) { ++changes; },
                                  .OnKeyPress = [&](controls::TCustomNumEdit&, char& key) {
                                      keys += key;
                                  }})});
    ASSERT_TRUE(testkit::ShowActive(typing));
    auto* edit = typing.Find<TTaxEdit>("edtName");
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("Ab"));
    EXPECT_EQ(keys, "Ab");
    EXPECT_GE(changes, 1);
    EXPECT_EQ(edit->Text(), "Ab");
}

TEST_F(ScreenBuilderTest, AFailingHandlerShowsItsErrorInsteadOfUnwinding) {
    TScreenTestKit other;
    TDeclaredScreen failing(
        other.Context, {Button("btnFail", {0, 0, 80, 25},
                               {.OnClick = [](QObject*) { throw EFtbError("Nothing to add"); }})});
    other.Dialogs.Expect("Error", "Nothing to add");
    ASSERT_TRUE(testkit::ShowActive(failing));
    QTest::mouseClick(failing.Find<QPushButton>("btnFail"), Qt::LeftButton);
    EXPECT_TRUE(other.Dialogs.AllShown());
}

TEST_F(ScreenBuilderTest, HandlersAreGivenTheirControlAsSender) {
    TScreenTestKit other;
    QObject* sender = nullptr;
    TDeclaredScreen screenWithSender(
        other.Context,
        {Button("btnSend", {0, 0, 80, 25}, {.OnClick = [&](QObject* s) { sender = s; }})});
    screenWithSender.Find<QPushButton>("btnSend")->click();
    EXPECT_EQ(sender, screenWithSender.FindComponent("btnSend"));
}

// The entry field's properties are assigned in the order its presets require, whatever the
// kind; each case is one declaration and what the field then holds.
TEST_F(ScreenBuilderTest, EntryFieldPropertiesAreAssignedInTheFieldsOrder) {
    TScreenTestKit other;
    TDeclaredScreen edits(
        other.Context,
        {
            // The kind's preset overrides the Decimals and MaxLength written before it.
            Edit("edtCents", 1, {0, 0, 80, 21},
                 {.Decimals = 5, .NumericType = controls::ntCurrencyCnt}),
            Edit("edtDate", 2, {0, 30, 80, 21}, {.MaxLength = 4, .NumericType = controls::ntDate}),
            // A kind without a decimals preset keeps the declared Decimals.
            Edit("edtPercent", 3, {0, 60, 80, 21},
                 {.Decimals = 1, .NumericType = controls::ntPercentage}),
            // ValidChars written after the kind replaces the kind's set.
            Edit("edtPositive", 4, {0, 90, 80, 21},
                 {.NumericType = controls::ntCurrency, .ValidChars = "0..9"}),
            Edit("edtAmount", 5, {0, 120, 80, 21},
                 {.NumericType = controls::ntCurrency, .Text = "1234"}),
        });
    EXPECT_EQ(edits.Find<TTaxEdit>("edtCents")->Decimals(), 2);
    EXPECT_EQ(edits.Find<TTaxEdit>("edtDate")->MaxLength(), 10);
    EXPECT_EQ(edits.Find<TTaxEdit>("edtPercent")->Decimals(), 1);
    EXPECT_EQ(edits.Find<TTaxEdit>("edtPositive")->ValidChars(), "0..9");
    EXPECT_EQ(edits.Find<TTaxEdit>("edtAmount")->NumValue(), 1234);

    // The replaced set is what the user meets: a minus sign no longer gets in.
    ASSERT_TRUE(testkit::ShowActive(edits));
    auto* positive = edits.Find<TTaxEdit>("edtPositive");
    positive->setFocus();
    QTest::keyClicks(positive, QStringLiteral("-12"));
    EXPECT_EQ(positive->Text(), "12");
}

TEST_F(ScreenBuilderTest, FindReportsTheMissingNameAndTheWrongKind) {
    try {
        screen.Find<QPushButton>("btnMissing");
        ADD_FAILURE() << "no error for a missing control";
    } catch (const EFtbError& error) {
        EXPECT_NE(std::string(error.what()).find("btnMissing"), std::string::npos) << error.what();
    }
    try {
        screen.Find<QPushButton>("edtIncome");
        ADD_FAILURE() << "no error for a control of another kind";
    } catch (const EFtbError& error) {
        EXPECT_NE(std::string(error.what()).find("edtIncome"), std::string::npos) << error.what();
    }
}

TEST_F(ScreenBuilderTest, AParentThatWasNotDeclaredBeforeIsAFaultOfTheDeclaration) {
    TScreenTestKit other;
    TChildForm bad(other.Context);
    EXPECT_THROW(Build(bad, {Edit("edtLost", 1, {0, 0, 10, 10}).In("pnlLater"),
                             Panel("pnlLater", {0, 0, 100, 100})}),
                 EFtbError);
}

TEST_F(ScreenBuilderTest, ScalingMovesAndSizesEveryControlOnceAndLeavesTheScreen) {
    TScreenTestKit other;
    TDeclaredScreen scaled(
        other.Context,
        {
            Edit("edtA", 1, {11, 21, 101, 21}),
            Panel("pnlA", {100, 100, 200, 100}),
            Check("cbInPanel", 2, {5, 7, 50, 17}, {.Caption = "x"}).In("pnlA"),
            Grid("XGrid1", 3, {9, 201, 100, 50},
                 {.ColCount = 1, .Display = {"T|0|0|5|0|F|F|||||||0|0|F|F|"}}),
            Text("TextLbl1", {3, 301, 201, 41}, {.Lines = {"x"}}),
        });
    const QRect screenBefore = scaled.geometry();
    scaled.ChangeScale(3, 2);
    // Halves go away from zero: 31.5 -> 32, 151.5 -> 152, 10.5 -> 11, 25.5 -> 26.
    EXPECT_EQ(scaled.Find<TTaxEdit>("edtA")->geometry(), QRect(17, 32, 152, 32));
    EXPECT_EQ(scaled.Find<TTaxEdit>("edtA")->font().pointSize(), 15);
    EXPECT_EQ(scaled.Find<QFrame>("pnlA")->geometry(), QRect(150, 150, 300, 150));
    EXPECT_EQ(scaled.Find<QCheckBox>("cbInPanel")->geometry(), QRect(8, 11, 75, 26));
    // The grid keeps its left edge; the text rounds by its own rule (4.5 -> 4).
    EXPECT_EQ(scaled.Find<TXGrid>("XGrid1")->geometry(), QRect(9, 302, 150, 75));
    EXPECT_EQ(scaled.Find<TXGrid>("XGrid1")->font().pointSize(), 15);
    EXPECT_EQ(scaled.Find<TTextLbl>("TextLbl1")->geometry().topLeft(), QPoint(4, 452));
    EXPECT_EQ(scaled.Find<TTextLbl>("TextLbl1")->Font().Size, 15);
    EXPECT_EQ(scaled.geometry(), screenBefore);
}

TEST(FillYearTagTest, AnswersTheYearVariablesAndLeavesOthers) {
    const std::vector<std::pair<int, std::string>> cases{
        {99997, "1998"}, {99998, "2001"}, {99999, "2002"}, {99996, "kept"}, {1, "kept"}};
    for (const auto& [tag, expected] : cases) {
        std::string value = "kept";
        FillYearTag(tag, value);
        EXPECT_EQ(value, expected) << tag;
    }
}

}  // namespace
}  // namespace ftb::interview
