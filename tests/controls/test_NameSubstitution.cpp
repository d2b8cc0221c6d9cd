#include "controls/core/NameSubstitution.h"

#include <gtest/gtest.h>

#include "controls/core/StateFields.h"
#include "platform/ScriptedDialogs.h"

namespace ftb::controls {
namespace {

using data::FieldStore;

// Stores worksheets 1.. of a list with the given names (an empty name leaves field 710 absent).
void AddWorksheets(FieldStore& store, int list, const std::vector<std::string>& names) {
    store.OpenWorksheetList(list);
    for (std::size_t i = 0; i < names.size(); ++i) {
        store.ResetPerWorksheetFields();
        if (!names[i].empty()) store.SetFieldStr(710, names[i]);
        store.SetFieldVal(711, 1);  // keeps a worksheet whose name is absent
        store.StoreWorksheet(list, static_cast<int>(i) + 1);
        if (names[i].empty()) {
            // StoreWorksheet names a nameless worksheet; take that name out again.
            auto* entries = store.GetWorksheetList(list);
            std::erase_if(*entries, [&](const data::WorksheetEntry& e) {
                return e.worksheet == i + 1 && e.field == 710;
            });
        }
    }
}

class NameSubstitutionTest : public ::testing::Test {
protected:
    void SetUp() override {
        AddWorksheets(store, data::kDependantList, {"Alex Smith", "Sam Smith"});
        AddWorksheets(store, data::kSpouseList, {"Jo", "", "Jo", "Kim"});
    }
    FieldStore store;
};

TEST_F(NameSubstitutionTest, DependantNameReplacesOnlyTheFirstExactPlaceholder) {
    WriteStateField(store, kCurrentDependantField, 1);
    EXPECT_EQ(WithDependantName("Income details for DName", store), "Income details for Sam Smith");
    EXPECT_EQ(WithDependantName("DName and DName, dname", store), "Sam Smith and DName, dname");
    WriteStateField(store, kCurrentDependantField, 5);
    EXPECT_EQ(WithDependantName("for DName.", store), "for .");
    store.SetFieldStr(kCurrentDependantField, "");
    EXPECT_EQ(WithDependantName("for DName.", store), "for .");
}

TEST_F(NameSubstitutionTest, SpouseOrClaimantWordingMakesTheVerbsAgree) {
    const std::string caption = "Receipt of spousal maintenance for\r\nSName";
    WriteStateField(store, kCurrentSpouseField, -1);
    EXPECT_EQ(WithClaimantWording(caption), "Receipt of spousal maintenance for\r\nYou");
    WriteStateField(store, kCurrentSpouseField, 3);
    EXPECT_EQ(WithSpouseName(caption, store), "Receipt of spousal maintenance for\r\nKim");
    EXPECT_EQ(WithSpouseName("SName HAVEHAS, SName wasWere", store), "Kim has, SName was");
    EXPECT_EQ(WithClaimantWording("sname haveHas; SNAME WASWERE"), "You have; You were");
}

TEST_F(NameSubstitutionTest, LookUpByNameTakesTheFirstPresentExactMatch) {
    EXPECT_EQ(FindSpouseByName(store, "Jo"), 0);
    EXPECT_EQ(FindSpouseByName(store, "Kim"), 3);
    EXPECT_EQ(FindSpouseByName(store, "jo"), -1);
    EXPECT_EQ(FindSpouseByName(store, ""), -1);  // the nameless worksheet 2 is skipped
    EXPECT_EQ(FindDependantByName(store, "Sam Smith"), 1);
    EXPECT_EQ(FindDependantByName(store, "Sam Smith "), -1);
}

TEST_F(NameSubstitutionTest, ClearWithConfirmationAsksOnlyWhenSomethingIsThere) {
    platform::ScriptedDialogs dialogs;
    std::vector<std::string> failures;
    dialogs.onFailure = [&](const std::string& f) { failures.push_back(f); };

    EXPECT_TRUE(ClearWithConfirmation(store, dialogs, {1246, 1247}, "Deleting maintenance information for xxx",
                                      "Jo", true, "Delete it for XXX?"));
    EXPECT_TRUE(dialogs.shown.empty());

    store.SetFieldVal(1246, 1200);
    store.SetFieldStr(1247, "Payer");
    store.SetModified(false);
    dialogs.Expect("Deleting maintenance information for Jo", "Delete it for Jo?", platform::dbNo);
    EXPECT_FALSE(ClearWithConfirmation(store, dialogs, {1246, 1247},
                                       "Deleting maintenance information for xxx", "Jo", true,
                                       "Delete it for XXX?"));
    EXPECT_EQ(store.GetFieldVal(1246), 1200);
    EXPECT_FALSE(store.Modified());

    dialogs.Expect("Deleting for xxx", "Sure?", platform::dbYes);
    EXPECT_TRUE(ClearWithConfirmation(store, dialogs, {1246, 1247}, "Deleting for xxx", "Jo", false,
                                      "Sure?"));
    EXPECT_TRUE(store.FieldIsEmpty(1246));
    EXPECT_TRUE(store.FieldIsEmpty(1247));
    EXPECT_TRUE(store.Modified());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].defaultButton, platform::dbNo);
    EXPECT_EQ(dialogs.shown[1].icon, platform::DialogIcon::Warning);
    EXPECT_TRUE(failures.empty()) << failures.front();
}

TEST(StateFields, ReadMinusOneWhenEmptyOrUnreadable) {
    FieldStore store;
    EXPECT_EQ(ReadStateField(store, 1280), -1);
    WriteStateField(store, 1280, 12);
    EXPECT_EQ(store.GetFieldStr(1280), "12");
    EXPECT_EQ(ReadStateField(store, 1280), 12);
    store.SetFieldStr(1280, "abc");
    EXPECT_EQ(ReadStateField(store, 1280), -1);
    store.SetFieldStr(1280, "   ");
    EXPECT_EQ(ReadStateField(store, 1280), -1);
}

}  // namespace
}  // namespace ftb::controls
