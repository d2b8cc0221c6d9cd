// Worksheet mode of the interview frame as a user meets it on the screens of one spouse or
// dependant: the worksheet panel's pick list, adding a record by filling the new worksheet,
// dropping one by emptying it, "Delete", switching records through the pick list and the
// navigator, and the packing of the record when the screen is left.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "assessment/support/ReturnBuilder.h"
#include "controls/TaxEdit.h"
#include "controls/core/StateFields.h"
#include "interview/support/FrameFixture.h"
#include "platform/QtText.h"

namespace ftb::interview {
namespace {

using data::kDependantList;
using data::kSpouseList;
using frametest::FrameFixture;
using frametest::TTestScreenClass;
using test_support::Dependant;
using test_support::ReturnBuilder;
using test_support::WorksheetBuilder;
using Lines = std::vector<std::string>;

constexpr const char* kDeleteQuestion = "Are you sure you want to delete the selected worksheet?";
constexpr const char* kNew = "** Create new worksheet **";
constexpr int kSpouseIncome = 717;
constexpr int kDependantIncome = 725;

// A record screen as the spouse and dependant details screens are: it opens the worksheet the
// state field names (a new one when it holds none) and shows the worksheet panel; the user
// edits the record's name and one amount.
TTestScreenClass RecordScreen(int list, int stateField, int amountField) {
    return {.Controls = {Edit("edtName", 710, {20, 20, 200, 21}),
                         Edit("edtAmount", amountField, {20, 60, 120, 21},
                              {.NumericType = controls::ntCurrency})},
            .OnCreate = [list, stateField](TChildForm& screen) {
                const int index = controls::ReadStateField(screen.Store(), stateField);
                if (index < 0)
                    screen.Frame().OpenWorksheetList(list);
                else
                    screen.Frame().OpenWorksheetListAt(list, index + 1);
                screen.Frame().ShowActionPanel(true);
            }};
}

class WorksheetTest : public FrameFixture {
protected:
    QListWidget& PickList() const { return Widget<QListWidget>("lstPickList"); }

    Lines PickLines() const {
        Lines lines;
        for (int row = 0; row < PickList().count(); ++row)
            lines.push_back(platform::ToWin1252(PickList().item(row)->text()));
        return lines;
    }

    Lines NavigatorLines() const {
        const auto& tree = Widget<QTreeWidget>("fcNavigator");
        Lines lines;
        for (int row = 0; row < tree.topLevelItemCount(); ++row)
            lines.push_back(platform::ToWin1252(tree.topLevelItem(row)->text(0)));
        return lines;
    }

    // Clicks a line of the pick list as the user does.
    void PickLine(int row) {
        QListWidget& list = Find<QListWidget>("lstPickList");
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(row)).center());
        ProcessEvents();
    }

    void Erase(const std::string& name) {
        auto& edit = Find<QLineEdit>(name);
        edit.setFocus();
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_Delete);
    }

    std::string Shown(const std::string& name) const {
        return platform::ToWin1252(Widget<QLineEdit>(name).text());
    }

    // The names of the stored worksheets, in worksheet order.
    Lines StoredNames(int list) const {
        Lines names;
        for (int index = 0; index < Store.HighestWorksheetNumber(list); ++index) {
            const data::WorksheetValue name = Store.GetWorksheetValue(list, index, 710);
            names.push_back(std::holds_alternative<std::string>(name) ? std::get<std::string>(name)
                                                                      : "(none)");
        }
        return names;
    }

    // The fields of worksheet k's entries, in list order.
    std::vector<int> EntryFields(int list, int k) const {
        std::vector<int> fields;
        if (const data::WorksheetList* entries = Store.GetWorksheetList(list))
            for (const data::WorksheetEntry& entry : *entries)
                if (entry.worksheet == k) fields.push_back(entry.field);
        return fields;
    }

    long double StoredAmount(int list, int index, int field) const {
        const data::WorksheetValue value = Store.GetWorksheetValue(list, index, field);
        return std::holds_alternative<long double>(value) ? std::get<long double>(value) : -1;
    }

    void AddDependants(const Lines& names) {
        ReturnBuilder family(Store);
        long double income = 100;
        for (const std::string& name : names)
            family.AddDependant(Dependant(name, "01/02/1995").Amount(kDependantIncome, income++));
    }

    void AddSpouses(const Lines& names) {
        ReturnBuilder family(Store);
        for (const std::string& name : names)
            family.AddSpouse(WorksheetBuilder(name).Amount(kSpouseIncome, 30000));
    }

    // The dependant details screen at 7827 with a plain screen after it.
    void StartDependantScreen(int currentDependant) {
        RegisterScreen("TQFTB_09", RecordScreen(kDependantList, 1280, kDependantIncome));
        RegisterScreen("TQFTB_39");
        controls::WriteStateField(Store, controls::kCurrentDependantField, currentDependant);
        Start(7827);
    }

    void StartSpouseScreen(int currentSpouse, TTestScreenClass screen = {}) {
        TTestScreenClass record = RecordScreen(kSpouseList, 1279, kSpouseIncome);
        record.OnShow = screen.OnShow;
        RegisterScreen("TQFTB_06", record);
        RegisterScreen("TQFTB_06a");
        controls::WriteStateField(Store, controls::kCurrentSpouseField, currentSpouse);
        Start(7818);
    }
};

TEST_F(WorksheetTest, TwoDependantsGiveThreeLinesAndTheNewWorksheetLeftEmptyStoresNothing) {
    AddDependants({"Ann Lee", "Bob Lee"});
    const std::size_t entries = Store.GetWorksheetList(kDependantList)->size();
    StartDependantScreen(-1);

    EXPECT_TRUE(Find<QWidget>("ActionPanel").isVisible());
    EXPECT_EQ(PickLines(), (Lines{"Ann Lee", "Bob Lee", kNew}));
    EXPECT_EQ(PickList().currentRow(), 2);
    EXPECT_EQ(Frame->SelectedWorksheet(), 3);
    EXPECT_EQ(Store.CurrentWorksheetList(), kDependantList);
    EXPECT_EQ(Store.CurrentWorksheet(), 3);
    EXPECT_EQ(Shown("edtName"), "");
    EXPECT_EQ(platform::ToWin1252(Widget<QPushButton>("fcNavTitle").text()), "Existing worksheets");
    EXPECT_EQ(NavigatorLines(), (Lines{"Ann Lee", "Bob Lee", kNew}));

    Click("BtnNext");
    EXPECT_EQ(Run.CurrentScreen, 7828);
    EXPECT_EQ(Store.GetWorksheetList(kDependantList)->size(), entries);
    EXPECT_EQ(StoredNames(kDependantList), (Lines{"Ann Lee", "Bob Lee"}));
    EXPECT_EQ(Store.CurrentWorksheetList(), 0);
    EXPECT_EQ(Store.CurrentWorksheet(), 0);
    EXPECT_EQ(Frame->WorksheetNames(), nullptr);
    EXPECT_TRUE(Widget<QWidget>("ActionPanel").isHidden());
    EXPECT_TRUE(Store.FieldIsEmpty(710));
}

TEST_F(WorksheetTest, ANameAndAnAmountOnTheNewWorksheetAreStoredAsTheNextWorksheet) {
    AddDependants({"Ann Lee", "Bob Lee"});
    StartDependantScreen(-1);
    Type("edtName", "Cy Lee");
    Type("edtAmount", "1500");
    Click("BtnNext");

    EXPECT_EQ(StoredNames(kDependantList), (Lines{"Ann Lee", "Bob Lee", "Cy Lee"}));
    // One entry for each field that holds something, the block in descending field order.
    EXPECT_EQ(EntryFields(kDependantList, 3), (std::vector<int>{kDependantIncome, 710}));
    EXPECT_EQ(StoredAmount(kDependantList, 2, kDependantIncome), 1500);
    EXPECT_EQ(StoredAmount(kDependantList, 0, kDependantIncome), 100);
}

TEST_F(WorksheetTest, EmptyingTheFirstOfThreeWorksheetsDropsItAndTheOthersMoveUp) {
    AddDependants({"Ann Lee", "Bob Lee", "Cy Lee"});
    StartDependantScreen(0);
    EXPECT_EQ(Shown("edtName"), "Ann Lee");
    EXPECT_EQ(PickList().currentRow(), 0);

    Erase("edtName");
    Erase("edtAmount");
    Click("BtnNext");

    EXPECT_EQ(StoredNames(kDependantList), (Lines{"Bob Lee", "Cy Lee"}));
    EXPECT_EQ(StoredAmount(kDependantList, 0, kDependantIncome), 101);
    EXPECT_EQ(StoredAmount(kDependantList, 1, kDependantIncome), 102);
    EXPECT_TRUE(EntryFields(kDependantList, 3).empty());
}

TEST_F(WorksheetTest, DeleteAsksFirstAndThenSelectsTheLineThatTookTheDeletedOnesPlace) {
    AddDependants({"Ann Lee", "Bob Lee"});
    StartDependantScreen(1);
    EXPECT_EQ(Shown("edtName"), "Bob Lee");

    Dialogs.Expect("Confirm", kDeleteQuestion, platform::dbNo);
    Click("btnRemove");
    EXPECT_EQ(StoredNames(kDependantList), (Lines{"Ann Lee", "Bob Lee"}));
    EXPECT_EQ(Shown("edtName"), "Bob Lee");

    Dialogs.Expect("Confirm", kDeleteQuestion, platform::dbYes);
    Click("btnRemove");
    EXPECT_EQ(StoredNames(kDependantList), (Lines{"Ann Lee"}));
    EXPECT_EQ(PickLines(), (Lines{"Ann Lee", kNew}));
    EXPECT_EQ(PickList().currentRow(), 1);
    EXPECT_EQ(Frame->SelectedWorksheet(), 2);
    EXPECT_EQ(Store.CurrentWorksheet(), 2);
    EXPECT_EQ(Shown("edtName"), "");

    Click("BtnNext");
    EXPECT_EQ(StoredNames(kDependantList), (Lines{"Ann Lee"}));
}

TEST_F(WorksheetTest, DeletingADependantWithMaintenanceRecordsNeedsTheUsersAgreement) {
    ReturnBuilder(Store).AddDependant(
        Dependant("Ann Lee", "01/02/1995").Table(744, {{"Joe Payer", "01/07/2001", "", "", ""}}));
    StartDependantScreen(0);

    Dialogs.Expect("Confirm", kDeleteQuestion, platform::dbYes);
    Dialogs.Expect("Warning",
                   "Maintenance information has already entered, are you sure you want to proceed "
                   "with this deletion?\n\rThe receipt of non-capitalised maintenance has been "
                   "recorded for this dependant.",
                   platform::dbNo);
    Click("btnRemove");

    EXPECT_EQ(StoredNames(kDependantList), (Lines{"Ann Lee"}));
    EXPECT_EQ(PickLines(), (Lines{"Ann Lee", kNew}));
    EXPECT_EQ(PickList().currentRow(), 0);
    EXPECT_EQ(Shown("edtName"), "Ann Lee");
}

TEST_F(WorksheetTest, AWorksheetWithoutANameIsNamedWorksheetNoAndItsNumber) {
    AddSpouses({"Ann Lee"});
    StartSpouseScreen(-1);
    Type("edtAmount", "2500");
    Click("BtnNext");
    EXPECT_EQ(StoredNames(kSpouseList), (Lines{"Ann Lee", "Worksheet No.2"}));

    // Packing fields without the panel names the worksheet the same way.
    Store.SetFieldVal(kSpouseIncome, 40000);
    Frame->StoreWorksheetAt(kSpouseList, 3);
    EXPECT_EQ(StoredNames(kSpouseList), (Lines{"Ann Lee", "Worksheet No.2", "Worksheet No.3"}));
    EXPECT_EQ(Store.CurrentWorksheetList(), 0);
    EXPECT_EQ(Store.CurrentWorksheet(), 0);
    EXPECT_TRUE(Store.FieldIsEmpty(kSpouseIncome));

    Frame->LoadWorksheetAt(kSpouseList, 3);
    EXPECT_EQ(Store.GetFieldStr(710), "Worksheet No.3");
    EXPECT_EQ(Store.GetFieldVal(kSpouseIncome), 40000);
    EXPECT_EQ(Store.CurrentWorksheetList(), kSpouseList);
}

TEST_F(WorksheetTest, PickingALineSwitchesRecordsUnlessTheLeaveCheckRefuses) {
    AddSpouses({"Ann Lee", "Bob Lee"});
    TTestScreenClass checked{.OnShow = [](TChildForm& screen, QObject*) {
        screen.Run().LeaveCheck = [&screen](QObject*, TCloseAction&) {
            if (!screen.Find<controls::TTaxEdit>("edtName")->Text().empty()) return;
            screen.Run().ScreenValid = false;
            screen.ShowError("Please enter a name.");
        };
    }};
    StartSpouseScreen(0, checked);
    EXPECT_EQ(Shown("edtName"), "Ann Lee");

    Erase("edtName");
    Type("edtName", "Anne Lee");
    PickLine(1);
    EXPECT_EQ(Shown("edtName"), "Bob Lee");
    EXPECT_EQ(PickList().currentRow(), 1);
    EXPECT_EQ(Frame->SelectedWorksheet(), 2);
    EXPECT_EQ(Store.CurrentWorksheet(), 2);
    EXPECT_EQ(StoredNames(kSpouseList), (Lines{"Anne Lee", "Bob Lee"}));
    EXPECT_EQ(PickLines(), (Lines{"Anne Lee", "Bob Lee", kNew}));

    Erase("edtName");
    Dialogs.Expect("Error", "Please enter a name.");
    PickLine(0);
    EXPECT_EQ(PickList().currentRow(), 1);
    EXPECT_EQ(Store.CurrentWorksheet(), 2);
    EXPECT_EQ(Shown("edtName"), "");
    EXPECT_EQ(StoredNames(kSpouseList), (Lines{"Anne Lee", "Bob Lee"}));
}

TEST_F(WorksheetTest, ClickingANameInTheNavigatorSwitchesRecords) {
    AddSpouses({"Ann Lee", "Bob Lee"});
    StartSpouseScreen(0);
    Frame->ShowNavigator(true);
    auto& tree = Find<QTreeWidget>("fcNavigator");
    ASSERT_EQ(NavigatorLines(), (Lines{"Ann Lee", "Bob Lee", kNew}));
    EXPECT_EQ(tree.currentItem(), tree.topLevelItem(0));

    Erase("edtAmount");
    Type("edtAmount", "31000");
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {},
                      tree.visualItemRect(tree.topLevelItem(1)).center());
    ProcessEvents();

    EXPECT_EQ(Shown("edtName"), "Bob Lee");
    EXPECT_EQ(Store.CurrentWorksheet(), 2);
    EXPECT_EQ(Frame->SelectedWorksheet(), 2);
    EXPECT_EQ(tree.currentItem(), tree.topLevelItem(1));
    EXPECT_EQ(StoredAmount(kSpouseList, 0, kSpouseIncome), 31000);
}

// A screen of the record that does not show its name (such as a circumstances screen) left
// before anything was typed into it keeps the record: only the fields it edits are its to judge.
TEST_F(WorksheetTest, LeavingAnUnansweredScreenOfTheRecordKeepsTheRecord) {
    AddDependants({"Ann Lee"});
    RegisterScreen("TQFTB_49",
                   {.Controls = {Edit("edtCare", 727, {20, 20, 60, 21},
                                      {.NumericType = controls::ntNumeric})},
                    .OnCreate = [](TChildForm& screen) {
                        screen.Frame().OpenWorksheetListAt(kDependantList, 1);
                    }});
    RegisterScreen("TQFTB_13_Alternative");
    Start(7832);
    Click("BtnNext");
    EXPECT_EQ(Run.CurrentScreen, 7833);
    EXPECT_EQ(StoredNames(kDependantList), (Lines{"Ann Lee"}));
    EXPECT_EQ(StoredAmount(kDependantList, 0, kDependantIncome), 100);
    EXPECT_EQ(EntryFields(kDependantList, 1), (std::vector<int>{kDependantIncome, 713, 710}));
}

// Emptying the shown record and pressing "Delete" drops that record once: the record after it,
// which moved up into its number, stays.
TEST_F(WorksheetTest, DeletingAnEmptiedWorksheetLeavesTheNextOneInPlace) {
    AddSpouses({"Ann Lee", "Bob Lee", "Cy Lee"});
    StartSpouseScreen(1);
    EXPECT_EQ(Shown("edtName"), "Bob Lee");
    Erase("edtName");
    Erase("edtAmount");

    Dialogs.Expect("Confirm", kDeleteQuestion, platform::dbYes);
    Click("btnRemove");

    EXPECT_EQ(StoredNames(kSpouseList), (Lines{"Ann Lee", "Cy Lee"}));
    EXPECT_EQ(PickLines(), (Lines{"Ann Lee", "Cy Lee", kNew}));
    EXPECT_EQ(PickList().currentRow(), 1);
    EXPECT_EQ(Shown("edtName"), "Cy Lee");
}

// The emptied record is dropped when "Delete" packs the screen, even if the user then answers
// No; what the screen shows is then a new worksheet, and leaving it loses nothing more.
TEST_F(WorksheetTest, AnEmptiedWorksheetKeptFromDeletionIsDroppedAlone) {
    AddSpouses({"Ann Lee", "Bob Lee", "Cy Lee"});
    StartSpouseScreen(1);
    Erase("edtName");
    Erase("edtAmount");

    Dialogs.Expect("Confirm", kDeleteQuestion, platform::dbNo);
    Click("btnRemove");
    EXPECT_EQ(StoredNames(kSpouseList), (Lines{"Ann Lee", "Cy Lee"}));
    EXPECT_EQ(Store.CurrentWorksheet(), 3);

    Click("BtnNext");
    EXPECT_EQ(Run.CurrentScreen, 7819);
    EXPECT_EQ(StoredNames(kSpouseList), (Lines{"Ann Lee", "Cy Lee"}));
    EXPECT_EQ(StoredAmount(kSpouseList, 1, kSpouseIncome), 30000);
}

}  // namespace
}  // namespace ftb::interview
