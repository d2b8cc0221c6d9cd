#include "interview/Binding.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <string>
#include <vector>

#include "controls/Textlbl.h"
#include "controls/XGrid.h"
#include "interview/Child.h"
#include "interview/ScreenBuilder.h"
#include "interview/support/ScreenTestKit.h"
#include "platform/QtText.h"

namespace ftb::interview {
namespace {

using controls::TTaxEdit;
using controls::TXGrid;
using data::FieldStore;
using testkit::TDeclaredScreen;
using testkit::TScreenTestKit;

const controls::TJumpEvent kNoJump;

class BindingTest : public ::testing::Test {
protected:
    std::unique_ptr<TDeclaredScreen> Screen(std::vector<TControlDecl> controls) {
        return std::make_unique<TDeclaredScreen>(kit.Context, std::move(controls));
    }
    void Load(TChildForm& screen) { LoadFieldsToScreen(screen, store(), kNoJump); }
    void Save(TChildForm& screen) { SaveScreenToFields(screen, store()); }
    FieldStore& store() { return kit.Store; }

    TScreenTestKit kit;
};

TEST_F(BindingTest, EntryFieldsTravelAsNumbersOrTextByKindAndFieldKind) {
    store().SetFieldVal(100, 1234);               // dollars
    store().SetFieldKind(101, data::fkCents);
    store().SetFieldVal(101, 12.5L);
    store().SetFieldStr(102, "Smith");
    store().SetFieldStr(103, "12/03/2002");
    auto screen = Screen({
        Edit("edtDollars", 100, {0, 0, 80, 21}, {.NumericType = controls::ntCurrency}),
        Edit("edtCents", 101, {0, 0, 80, 21}, {.NumericType = controls::ntCurrencyCnt}),
        Edit("edtName", 102, {0, 0, 80, 21}),
        Edit("edtDate", 103, {0, 0, 80, 21}, {.NumericType = controls::ntDate}),
        Edit("edtNewAmount", 104, {0, 0, 80, 21}, {.NumericType = controls::ntNumeric}),
        Edit("edtNewText", 105, {0, 0, 80, 21}),
    });
    Load(*screen);
    EXPECT_EQ(screen->Find<TTaxEdit>("edtDollars")->NumValue(), 1234);
    EXPECT_EQ(screen->Find<TTaxEdit>("edtCents")->Text(), "12.50");
    EXPECT_EQ(screen->Find<TTaxEdit>("edtName")->Text(), "Smith");
    EXPECT_EQ(screen->Find<TTaxEdit>("edtDate")->Text(), "12/03/2002");
    EXPECT_EQ(screen->Find<TTaxEdit>("edtNewAmount")->NumValue(), 0);
    EXPECT_EQ(screen->Find<TTaxEdit>("edtNewText")->Text(), "");

    screen->Find<TTaxEdit>("edtDollars")->SetNumValue(99);
    screen->Find<TTaxEdit>("edtName")->AssignText("Jones");
    screen->Find<TTaxEdit>("edtNewAmount")->SetNumValue(3);
    screen->Find<TTaxEdit>("edtNewText")->AssignText("new");
    Save(*screen);
    EXPECT_EQ(store().GetFieldVal(100), 99);
    EXPECT_EQ(store().GetFieldVal(101), 12.5L);
    EXPECT_EQ(store().GetFieldStr(102), "Jones");
    EXPECT_EQ(store().GetFieldStr(103), "12/03/2002");
    // Fields that were empty take the kind of their control.
    EXPECT_EQ(store().GetFieldKind(104), data::fkDollars);
    EXPECT_EQ(store().GetFieldVal(104), 3);
    EXPECT_EQ(store().GetFieldKind(105), data::fkShortText);
    EXPECT_EQ(store().GetFieldStr(105), "new");
}

TEST_F(BindingTest, CurrencyFieldBoundToATextShowsTheTextAndSavingChangesNothing) {
    store().SetFieldStr(200, "12");
    store().SetModified(false);
    auto screen = Screen({Edit("edtAmount", 200, {0, 0, 80, 21},
                               {.NumericType = controls::ntCurrency})});
    Load(*screen);
    EXPECT_EQ(screen->Find<TTaxEdit>("edtAmount")->Text(), "12");
    Save(*screen);
    EXPECT_EQ(store().GetFieldKind(200), data::fkShortText);
    EXPECT_EQ(store().GetFieldStr(200), "12");
    EXPECT_FALSE(store().Modified());
}

TEST_F(BindingTest, ControlsWithoutAFieldNumberAreLeftAlone) {
    store().SetFieldStr(1, "one");
    auto screen = Screen({
        Edit("edtNoTag", 0, {0, 0, 80, 21}, {.Text = "kept"}),
        Edit("edtBeyond", 2000, {0, 0, 80, 21}, {.Text = "kept"}),
    });
    Load(*screen);
    EXPECT_EQ(screen->Find<TTaxEdit>("edtNoTag")->Text(), "kept");
    EXPECT_EQ(screen->Find<TTaxEdit>("edtBeyond")->Text(), "kept");
    Save(*screen);
    EXPECT_EQ(store().GetFieldStr(1), "one");
}

TEST_F(BindingTest, CheckBoxesOfAYesNoPairSaveInCreationOrder) {
    auto screen = Screen({
        Check("cbYes", 9, {0, 0, 80, 17}, {.Caption = "Yes"}),
        Check("cbNo", 10, {0, 20, 80, 17}, {.Caption = "No"}),
    });
    screen->Find<QCheckBox>("cbYes")->setChecked(true);
    screen->Find<QCheckBox>("cbNo")->setChecked(true);
    Save(*screen);
    EXPECT_FALSE(store().FieldChecked(9));
    EXPECT_TRUE(store().FieldChecked(10));
}

TEST_F(BindingTest, CheckBoxesAndRadioButtonsFollowTheirCheckFields) {
    store().SetFieldChecked(300);
    store().SetFieldUnchecked(301);
    auto screen = Screen({
        Check("cbOn", 300, {0, 0, 80, 17}, {.Checked = false}),
        Check("cbOff", 301, {0, 20, 80, 17}, {.Checked = true}),
        Radio("rbOn", 300, {0, 40, 80, 17}),
        Group("grpOther", {0, 60, 200, 60}),
        Radio("rbNew", 302, {0, 20, 80, 17}).In("grpOther"),
    });
    Load(*screen);
    EXPECT_TRUE(screen->Find<QCheckBox>("cbOn")->isChecked());
    EXPECT_FALSE(screen->Find<QCheckBox>("cbOff")->isChecked());
    EXPECT_TRUE(screen->Find<QRadioButton>("rbOn")->isChecked());
    EXPECT_FALSE(screen->Find<QRadioButton>("rbNew")->isChecked());

    screen->Find<QRadioButton>("rbNew")->setChecked(true);
    screen->Find<QCheckBox>("cbOn")->setChecked(false);
    Save(*screen);
    EXPECT_TRUE(store().FieldChecked(302));
    EXPECT_EQ(store().GetFieldKind(302), data::fkCheck);
    // Saved in creation order: the check box unchecks 300, the radio button checks it again.
    EXPECT_TRUE(store().FieldChecked(300));
}

TEST_F(BindingTest, ComboBoxSelectsTheItemEqualToItsFieldOrNone) {
    store().SetFieldStr(400, "VIC");
    store().SetFieldStr(401, "Tasmania");
    const std::vector<std::string> states{"NSW", "VIC", "QLD"};
    auto screen = Screen({
        Combo("cboKnown", 400, {0, 0, 80, 21}, {.Items = states}),
        Combo("cboUnknown", 401, {0, 30, 80, 21}, {.Items = states}),
        Combo("cboEmpty", 402, {0, 60, 80, 21}, {.Items = states}),
    });
    screen->Find<QComboBox>("cboUnknown")->setCurrentIndex(0);
    Load(*screen);
    EXPECT_EQ(screen->Find<QComboBox>("cboKnown")->currentIndex(), 1);
    EXPECT_EQ(screen->Find<QComboBox>("cboUnknown")->currentIndex(), -1);
    EXPECT_EQ(screen->Find<QComboBox>("cboEmpty")->currentIndex(), -1);

    screen->Find<QComboBox>("cboEmpty")->setCurrentIndex(2);
    Save(*screen);
    EXPECT_EQ(store().GetFieldStr(400), "VIC");
    EXPECT_EQ(store().GetFieldStr(401), "");
    EXPECT_EQ(store().GetFieldStr(402), "QLD");
}

TEST_F(BindingTest, GridTravelsAsItsTextFormAndReportsItsChanges) {
    store().SetFieldLst(500, {"01/07/2001", "100", "02/07/2001", "200"});
    store().SetModified(false);
    const data::TextList display{"Start|0|2|10|0|F|F|||||||0|0|F|F|",
                                 "Amount|1|1|8|0|F|F|0|||||||0|F|F|"};
    auto screen = Screen({
        Grid("XGrid1", 500, {0, 0, 300, 120}, {.ColCount = 2, .Display = display}),
        Grid("XGrid2", 501, {0, 130, 300, 120}, {.ColCount = 2, .Display = display}),
    });
    auto* loaded = screen->Find<TXGrid>("XGrid1");
    auto* fresh = screen->Find<TXGrid>("XGrid2");
    fresh->SetCells(0, 1, "leftover");
    Load(*screen);
    EXPECT_EQ(loaded->Cells(0, 2), "02/07/2001");
    EXPECT_EQ(loaded->Cells(1, 2), "200");
    EXPECT_FALSE(loaded->Modified());
    EXPECT_EQ(fresh->Cells(0, 1), "");  // no list empties the grid

    // Unmodified grids are saved without marking the answers as changed.
    Save(*screen);
    EXPECT_FALSE(store().Modified());
    ASSERT_NE(store().GetFieldLst(501), nullptr);  // a new list was attached
    EXPECT_TRUE(store().GetFieldLst(501)->empty());

    loaded->SetCells(1, 1, "150");
    loaded->SetModified(true);
    Save(*screen);
    EXPECT_TRUE(store().Modified());
    EXPECT_EQ(*store().GetFieldLst(500),
              (data::TextList{"01/07/2001", "150", "02/07/2001", "200"}));
}

TEST_F(BindingTest, LabelsShowTheirFieldAndAreNeverSaved) {
    store().SetFieldVal(600, 1234567);
    store().SetFieldKind(601, data::fkCents);
    store().SetFieldVal(601, 1234.5L);
    store().SetFieldVal(602, 0.01L);
    store().SetFieldStr(603, "Ann Smith");
    auto screen = Screen({
        Label("lblDollars", 600, {0, 0, 80, 17}),
        Label("lblCents", 601, {0, 20, 80, 17}),
        Label("lblTiny", 602, {0, 40, 80, 17}, {.Caption = "before"}),
        Label("lblText", 603, {0, 60, 80, 17}),
    });
    Load(*screen);
    EXPECT_EQ(screen->Find<QLabel>("lblDollars")->text(), QStringLiteral("$1,234,567"));
    EXPECT_EQ(screen->Find<QLabel>("lblCents")->text(), QStringLiteral("$1,234.50"));
    EXPECT_EQ(screen->Find<QLabel>("lblTiny")->text(), QString());
    EXPECT_EQ(screen->Find<QLabel>("lblText")->text(), QStringLiteral("Ann Smith"));
    screen->Find<QLabel>("lblText")->setText(QStringLiteral("changed"));
    Save(*screen);
    EXPECT_EQ(store().GetFieldStr(603), "Ann Smith");
}

TEST(CurrencyCaptionTest, FormatsDollarsAndCentsWithThousandsSeparators) {
    struct Case {
        long double value;
        bool cents;
        const char* expected;
    };
    const std::vector<Case> cases{
        {0, false, ""},
        {0.01L, true, ""},
        {-0.01L, true, ""},
        {data::kExplicitZero, false, ""},
        {0.02L, true, "$0.02"},
        {5, false, "$5"},
        {999, false, "$999"},
        {1000, false, "$1,000"},
        {1234567, false, "$1,234,567"},
        {12345678, false, "$12,345,678"},
        {-2500, false, "-$2,500"},
        {1234.5L, true, "$1,234.50"},
        {99999999.99L, true, "$99,999,999.99"},
        {2.5L, false, "$3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CurrencyCaption(c.value, c.cents), c.expected)
            << static_cast<double>(c.value) << (c.cents ? " cents" : " dollars");
}

TEST_F(BindingTest, LoadingSwitchesHintsOffAndGivesTextsTheJumpHandler) {
    auto screen = Screen({
        Text("TextLbl1", {0, 0, 200, 40}, {.Lines = {"<J512>More"}}),
        Button("btnHelp", {0, 50, 80, 25}, {.Caption = "Help"}),
    });
    auto* button = screen->Find<QWidget>("btnHelp");
    button->setToolTip(QStringLiteral("a hint"));
    int jumped = 0;
    LoadFieldsToScreen(*screen, store(), [&jumped](int id) { jumped = id; });
    EXPECT_TRUE(button->toolTip().isEmpty());
    EXPECT_EQ(button->property("ShowHint"), QVariant(false));
    EXPECT_EQ(screen->FindComponent("TextLbl1")->property("ShowHint"), QVariant(false));
    auto* text = screen->Find<controls::TTextLbl>("TextLbl1");
    ASSERT_TRUE(text->OnJumpClick);
    text->OnJumpClick(512);
    EXPECT_EQ(jumped, 512);
}

TEST_F(BindingTest, LoadingMarksTheScreenToCompleteWhileAWorksheetListIsOpen) {
    struct Case {
        int openList;
        int before;
        int after;
    };
    const std::vector<Case> cases{{19, 8, 99}, {22, 20, 99}, {0, 8, 8}, {0, 20, 8}, {0, 99, 99}};
    for (const Case& c : cases) {
        store().SetCurrentWorksheetList(c.openList);
        auto screen = Screen({});
        screen->VertScrollBarIncrement = c.before;
        Load(*screen);
        EXPECT_EQ(screen->VertScrollBarIncrement, c.after) << c.openList << " " << c.before;
    }
}

}  // namespace
}  // namespace ftb::interview
