#include "interview/ScreenHelpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls/XGrid.h"
#include "interview/Child.h"
#include "interview/ScreenBuilder.h"
#include "interview/support/ScreenTestKit.h"

namespace ftb::interview {
namespace {

using controls::TTaxEdit;
using testkit::TDeclaredScreen;
using testkit::TScreenTestKit;

class ScreenHelpersTest : public ::testing::Test {
protected:
    TScreenTestKit kit;
    TDeclaredScreen screen{kit.Context,
                           {
                               Edit("edtName", 711, {10, 10, 120, 21}),
                               Edit("edtOther", 712, {10, 40, 120, 21}),
                               Radio("rbYes", 9, {10, 70, 60, 17}, {.Caption = "Yes"}),
                               Radio("rbNo", 10, {80, 70, 60, 17}, {.Caption = "No"}),
                               Combo("cboState", 713, {10, 100, 80, 21}, {.Items = {"NSW"}}),
                               Check("cbExempt", 714, {10, 130, 80, 17}, {.Caption = "x"}),
                               Edit("edtUnbound", 0, {10, 160, 120, 21}),
                               Grid("XGrid1", 715, {10, 190, 300, 100},
                                    {.ColCount = 2, .RowCount = 4}),
                           }};
    TTaxEdit& edit() { return *screen.Find<TTaxEdit>("edtName"); }
};

TEST_F(ScreenHelpersTest, EditIsEmptyForBlanksAndTheEmptyDate) {
    const std::vector<std::pair<std::string, bool>> cases{
        {"", true},     {"   ", true},        {"\t ", true},        {"  /  /    ", true},
        {"x", false},   {" x ", false},       {"/  /", false},      {"  /  /   ", false},
        {"()", false},  {"01/07/2001", false},
    };
    for (const auto& [text, empty] : cases) {
        edit().SetText(text);
        EXPECT_EQ(EditIsEmpty(edit()), empty) << '"' << text << '"';
    }
}

TEST_F(ScreenHelpersTest, RequireFilledReportsOnlyTheFirstFailingCheck) {
    ASSERT_TRUE(testkit::ShowActive(screen));
    screen.Find<TTaxEdit>("edtOther")->setFocus();
    kit.Dialogs.Expect("Error", "Enter your name");
    RequireFilled(kit.Run, kit.Dialogs, edit(), "Enter your name", true);
    EXPECT_FALSE(kit.Run.ScreenValid);
    EXPECT_EQ(QApplication::focusWidget(), &edit());

    // The verdict is already given: a second empty field neither reports nor takes the focus.
    RequireFilled(kit.Run, kit.Dialogs, *screen.Find<TTaxEdit>("edtOther"), "Other", true);
    EXPECT_FALSE(kit.Run.ScreenValid);
    EXPECT_EQ(QApplication::focusWidget(), &edit());
    EXPECT_TRUE(kit.Dialogs.AllShown());
}

TEST_F(ScreenHelpersTest, RequireFilledWithoutShowOnlyGivesTheVerdict) {
    RequireFilled(kit.Run, kit.Dialogs, edit(), "Enter your name", false);
    EXPECT_FALSE(kit.Run.ScreenValid);

    kit.Run.ScreenValid = true;
    edit().SetText("Ann");
    RequireFilled(kit.Run, kit.Dialogs, edit(), "Enter your name", true);
    EXPECT_TRUE(kit.Run.ScreenValid);
    EXPECT_TRUE(kit.Dialogs.shown.empty());
}

TEST_F(ScreenHelpersTest, RequireChoiceNeedsOneOfThePair) {
    auto& yes = *screen.Find<QRadioButton>("rbYes");
    auto& no = *screen.Find<QRadioButton>("rbNo");
    kit.Dialogs.Expect("Error", "Answer the question");
    RequireChoice(kit.Run, kit.Dialogs, yes, no, "Answer the question", true);
    EXPECT_FALSE(kit.Run.ScreenValid);

    // Once refused, the verdict stays, even with an answer.
    no.setChecked(true);
    RequireChoice(kit.Run, kit.Dialogs, yes, no, "Answer the question", true);
    EXPECT_FALSE(kit.Run.ScreenValid);

    kit.Run.ScreenValid = true;
    RequireChoice(kit.Run, kit.Dialogs, yes, no, "Answer the question", true);
    EXPECT_TRUE(kit.Run.ScreenValid);

    // Without show a missing answer refuses silently.
    TScreenTestKit other;
    TDeclaredScreen unanswered(other.Context, {Radio("rbA", 1, {0, 0, 50, 17}),
                                               Radio("rbB", 2, {60, 0, 50, 17})});
    RequireChoice(other.Run, other.Dialogs, *unanswered.Find<QRadioButton>("rbA"),
                  *unanswered.Find<QRadioButton>("rbB"), "Answer", false);
    EXPECT_FALSE(other.Run.ScreenValid);
    EXPECT_TRUE(other.Dialogs.shown.empty());
}

TEST_F(ScreenHelpersTest, GridIsEmptyWhileEveryDataRowIsBlank) {
    auto& grid = *screen.Find<controls::TXGrid>("XGrid1");
    grid.SetCells(0, 0, "Title");  // the title row does not count
    grid.SetCells(1, 2, "   ");
    EXPECT_TRUE(GridIsEmpty(grid));
    grid.SetCells(1, grid.RowCount() - 1, " x");
    EXPECT_FALSE(GridIsEmpty(grid));
}

TEST_F(ScreenHelpersTest, ScreenHasDataLooksAtBoundEntriesChoicesAndChecks) {
    EXPECT_FALSE(ScreenHasData(&screen, kit.Dialogs));
    screen.Find<TTaxEdit>("edtUnbound")->SetText("not bound");
    edit().SetText("  /  /    ");
    screen.Find<TTaxEdit>("edtOther")->SetText(" () ");
    EXPECT_FALSE(ScreenHasData(&screen, kit.Dialogs));

    // Each of these alone makes a fresh screen one with data.
    const std::vector<std::pair<const char*, std::function<void(TChildForm&)>>> holdsData{
        {"entry", [](TChildForm& s) { s.Find<TTaxEdit>("edtName")->SetText("Ann"); }},
        {"combo", [](TChildForm& s) { s.Find<QComboBox>("cboState")->setCurrentIndex(0); }},
        {"radio", [](TChildForm& s) { s.Find<QRadioButton>("rbNo")->setChecked(true); }},
        {"check", [](TChildForm& s) { s.Find<QCheckBox>("cbExempt")->setChecked(true); }},
    };
    for (const auto& [what, prepare] : holdsData) {
        TScreenTestKit other;
        TDeclaredScreen fresh(other.Context,
                              {Edit("edtName", 711, {0, 0, 80, 21}),
                               Radio("rbNo", 10, {0, 30, 60, 17}),
                               Combo("cboState", 713, {0, 60, 80, 21}, {.Items = {"NSW"}}),
                               Check("cbExempt", 714, {0, 90, 80, 17})});
        EXPECT_FALSE(ScreenHasData(&fresh, other.Dialogs)) << what;
        prepare(fresh);
        EXPECT_TRUE(ScreenHasData(&fresh, other.Dialogs)) << what;
    }
}

TEST_F(ScreenHelpersTest, ScreenHasDataOfSomethingElseSaysSoInAPlainBox) {
    QObject notAScreen;
    kit.Dialogs.Expect(kPlainBoxTitle, "Object not a form function screen has data");
    EXPECT_FALSE(ScreenHasData(&notAScreen, kit.Dialogs));
    ASSERT_EQ(kit.Dialogs.shown.size(), 1u);
    EXPECT_EQ(kit.Dialogs.shown[0].icon, platform::DialogIcon::None);
    EXPECT_EQ(kit.Dialogs.shown[0].buttons, platform::dbOK);
}

TEST(PayerListTest, HasNamesOnlyWithANonBlankLine) {
    data::FieldStore store;
    EXPECT_FALSE(PayerListHasNames(store));
    store.SetFieldLst(kPayerListField, {"", "  "});
    EXPECT_FALSE(PayerListHasNames(store));
    store.SetFieldLst(kPayerListField, {"", "Bob"});
    EXPECT_TRUE(PayerListHasNames(store));
}

TEST(PayerListTest, SortIgnoresCaseAndKeepsEqualNamesInOrder) {
    data::FieldStore store;
    SortPayerList(store);  // no list: nothing to do
    EXPECT_EQ(store.GetFieldLst(kPayerListField), nullptr);

    store.SetFieldLst(kPayerListField, {"bob", "Alice", "BOB", "carl", "alice", "Bob"});
    SortPayerList(store);
    EXPECT_EQ(*store.GetFieldLst(kPayerListField),
              (data::TextList{"Alice", "alice", "bob", "BOB", "Bob", "carl"}));
}

TEST(ChangeEventNameTest, KnowsExactlyTheSixEvents) {
    for (const char* name :
         {"Commenced or resumed full time education",
          "Commenced receiving pension / benefit / payment under labour market program",
          "Went absent without claimant's consent",
          "Gained Australian residency for social security purposes / began living with the "
          "claimant",
          "Change of shared care %",
          "Commenced receiving payments under a prescribed education scheme"})
        EXPECT_TRUE(IsChangeEventName(name)) << name;
    for (const char* name : {"Change of shared care % ", "change of shared care %", "",
                             "Ceased full time education"})
        EXPECT_FALSE(IsChangeEventName(name)) << name;
}

}  // namespace
}  // namespace ftb::interview
