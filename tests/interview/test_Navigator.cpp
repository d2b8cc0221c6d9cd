// The navigator beside the section screens: which sections it lists for the answers given so
// far, where each leads, the node it selects for the screen shown, and what clicking a node does.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "assessment/support/IntegrityFixtures.h"
#include "assessment/support/ReturnBuilder.h"
#include "interview/support/FrameFixture.h"
#include "platform/QtText.h"

namespace ftb::interview {
namespace {

using data::FieldStore;
using frametest::FrameFixture;
using frametest::TTestScreenClass;
using test_support::AnsweredDependant;
using test_support::ReturnBuilder;
using test_support::WorksheetBuilder;
using Node = std::pair<std::string, int>;  // text, screen number
using Nodes = std::vector<Node>;

const Node kStart{"Start of FTB", 7804};
const Node kResidency{"Your residency", 7809};
const Node kFaoPeriods{"FAO periods", 7811};
const Node kYourDetails{"Your details", 7813};
const Node kSpouses{"Spouse / former spouse(s)", 7818};
const Node kSpecial{"Special circumstances", 7823};
const Node kDependants{"Dependant details", 7827};
const Node kPayers{"List of maintenance payers", 7839};
const Node kSpousal{"Spousal maintenance", 7843};
const Node kValidate{"Validate and complete", 7858};
const Node kNotComplete{"FTB claim is not complete", -1};

// Residency, your details and the spouse question answered.
void AnswerToSpouses(FieldStore& store) {
    store.SetFieldStr(1268, "1");
    store.SetFieldVal(1246, 100);
    store.SetFieldStr(1269, "1");
}

// No spouse during the year, special circumstances answered and the dependant details screen
// reached.
void AnswerToDependants(FieldStore& store) {
    AnswerToSpouses(store);
    store.SetFieldStr(1269, "0");
    store.SetFieldChecked(1299);
    store.SetFieldChecked(1283);
}

// A child of 10 in full care with no income: maintenance-relevant in a family of small income.
void AddRelevantChild(FieldStore& store, bool maintenanceDone) {
    WorksheetBuilder child = AnsweredDependant("Kim Lee", "15/03/1991", data::kExplicitZero);
    if (maintenanceDone) child.Check(1106);
    ReturnBuilder(store).AddDependant(child);
}

// Maintenance payers named and the claimant's own spousal maintenance questions finished.
void AnswerClaimantMaintenance(FieldStore& store) {
    store.SetFieldLst(1264, {"Joe Payer"});
    store.SetFieldStr(1257, "1");
}

class NavigatorTest : public FrameFixture {
protected:
    NavigatorTest() {
        // The section screen builds the navigator when it is created and shows it.
        RegisterScreen("TQFTB_38", {.OnCreate = [](TChildForm& screen) {
                                        screen.Frame().BuildNavigator();
                                        screen.Frame().ShowNavigator(true);
                                    },
                                    .OnShow = [this](TChildForm& screen, QObject*) {
                                        if (SectionShown) SectionShown(screen);
                                    }});
    }

    QTreeWidget& Tree() const { return Widget<QTreeWidget>("fcNavigator"); }

    Nodes Listed() const {
        Nodes nodes;
        for (int row = 0; row < Tree().topLevelItemCount(); ++row) {
            const QTreeWidgetItem* node = Tree().topLevelItem(row);
            nodes.emplace_back(platform::ToWin1252(node->text(0)),
                               node->data(0, Qt::UserRole).toInt());
        }
        return nodes;
    }

    // The text of the selected node; empty when none is selected.
    std::string Selected() const {
        const QList<QTreeWidgetItem*> selected = Tree().selectedItems();
        return selected.isEmpty() ? std::string() : platform::ToWin1252(selected.front()->text(0));
    }

    void ClickNode(const std::string& text) {
        QTreeWidget& tree = Find<QTreeWidget>("fcNavigator");
        const QList<QTreeWidgetItem*> found =
            tree.findItems(platform::FromWin1252(text), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text;
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {},
                          tree.visualItemRect(found.front()).center());
        ProcessEvents();
    }

    std::function<void(TChildForm&)> SectionShown;
};

TEST_F(NavigatorTest, TheSectionsListedFollowTheAnswersGiven) {
    struct Case {
        const char* what;
        std::function<void(FieldStore&)> answers;
        Nodes expected;
    } cases[] = {
        {"nothing answered", [](FieldStore&) {}, {kStart, kNotComplete}},
        {"residency only", [](FieldStore& s) { s.SetFieldStr(1268, "1"); },
         {kStart, kResidency, kFaoPeriods, kNotComplete}},
        {"one spouse",
         [](FieldStore& s) {
             AnswerToSpouses(s);
             ReturnBuilder(s).AddSpouse(WorksheetBuilder("Ann Lee"));
         },
         {kStart, kResidency, kFaoPeriods, kYourDetails, kSpouses,
          {"Marital status / agreed %", 7820}, kNotComplete}},
        {"two spouses",
         [](FieldStore& s) {
             AnswerToSpouses(s);
             ReturnBuilder(s).AddSpouse(WorksheetBuilder("Ann Lee"));
             ReturnBuilder(s).AddSpouse(WorksheetBuilder("Bea Lee"));
             s.SetFieldChecked(1290);
         },
         {kStart, kResidency, kFaoPeriods, kYourDetails, kSpouses,
          {"Marital status / agreed %", 7821}, kSpecial, kNotComplete}},
        {"dependant details not reached",
         [](FieldStore& s) {
             AnswerToDependants(s);
             s.SetFieldUnchecked(1283);
         },
         {kStart, kResidency, kFaoPeriods, kYourDetails, kSpouses, kSpecial, kNotComplete}},
        {"more spouses to come",
         [](FieldStore& s) {
             AnswerToDependants(s);
             s.SetFieldStr(1269, "1");
             s.SetFieldVal(1271, 0);
         },
         {kStart, kResidency, kFaoPeriods, kYourDetails, kSpouses, kSpecial, kNotComplete}},
        {"spousal maintenance pending",
         [](FieldStore& s) {
             AnswerToDependants(s);
             s.SetFieldLst(1264, {"Joe Payer"});
         },
         {kStart, kResidency, kFaoPeriods, kYourDetails, kSpouses, kSpecial, kDependants, kPayers,
          kNotComplete}},
        {"dependant maintenance pending",
         [](FieldStore& s) {
             AnswerToDependants(s);
             AnswerClaimantMaintenance(s);
             AddRelevantChild(s, false);
         },
         {kStart, kResidency, kFaoPeriods, kYourDetails, kSpouses, kSpecial, kDependants, kPayers,
          kSpousal, kValidate}},
        {"every spouse entered, a relevant dependant done",
         [](FieldStore& s) {
             AnswerToDependants(s);
             s.SetFieldStr(1269, "1");
             s.SetFieldVal(1271, 1);
             AnswerClaimantMaintenance(s);
             AddRelevantChild(s, true);
         },
         {kStart, kResidency, kFaoPeriods, kYourDetails, kSpouses, kSpecial, kDependants, kPayers,
          kSpousal, {"Dependant maintenance", 7851}, kValidate}},
        {"no payers, no relevant dependant",
         [](FieldStore& s) {
             AnswerToDependants(s);
             s.SetFieldChecked(1265);
         },
         {kStart, kResidency, kFaoPeriods, kYourDetails, kSpouses, kSpecial, kDependants, kPayers,
          kSpousal, {"Dependant maintenance", 7850}, kValidate}},
        {"no payer question answered",
         [](FieldStore& s) { AnswerToDependants(s); },
         {kStart, kResidency, kFaoPeriods, kYourDetails, kSpouses, kSpecial, kDependants, kSpousal,
          {"Dependant maintenance", 7850}, kValidate}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Store.ClearAllFields();
        c.answers(Store);
        Start(7804);
        EXPECT_EQ(Listed(), c.expected);
        EXPECT_EQ(platform::ToWin1252(Widget<QPushButton>("fcNavTitle").text()), "FTB Navigator");
        EXPECT_TRUE(Find<QWidget>("fcOutlookBar1").isVisible());
        EXPECT_EQ(Selected(), "Start of FTB");
    }
}

TEST_F(NavigatorTest, TheNodeOfTheLastSectionNotAfterTheScreenIsSelected) {
    AnswerToDependants(Store);
    Store.SetFieldChecked(1265);
    Start(7812);
    EXPECT_EQ(Selected(), "FAO periods");

    const struct {
        int screen;
        const char* selected;
    } cases[] = {
        {7813, "Your details"},
        {7814, "Your details"},
        {7804, "Start of FTB"},
        {7859, "Validate and complete"},
        {7850, "Dependant maintenance"},
        {7803, ""},  // before the first section
        {8001, ""},  // another screen group
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        Frame->SynchroniseNavigator(c.screen);
        EXPECT_EQ(Selected(), c.selected);
        EXPECT_LE(Tree().selectedItems().size(), 1);
    }
}

TEST_F(NavigatorTest, TheNodeOfAnIncompleteClaimShowsItsTextAndGoesNowhere) {
    Start(7804);
    Dialogs.Expect("", "FTB claim is not complete");
    ClickNode("FTB claim is not complete");

    ASSERT_FALSE(Dialogs.shown.empty());
    EXPECT_EQ(Dialogs.shown.back().icon, platform::DialogIcon::None);
    EXPECT_EQ(Dialogs.shown.back().buttons, platform::dbOK);
    EXPECT_EQ(Run.CurrentScreen, 7804);
    EXPECT_EQ(Created("TQFTB_38"), 1);
    EXPECT_EQ(History(), (std::vector<std::int32_t>{7804}));
    EXPECT_EQ(Selected(), "FTB claim is not complete");
}

TEST_F(NavigatorTest, ASectionNodeLoadsItsScreenOnceTheLeaveCheckPasses) {
    AnswerToSpouses(Store);
    RegisterScreen("TQFTB_06");
    bool mayLeave = false;
    std::vector<QObject*> listClicks;
    SectionShown = [&](TChildForm& screen) {
        screen.Run().LeaveCheck = [&mayLeave, &screen](QObject*, TCloseAction&) {
            if (mayLeave) return;
            screen.Run().ScreenValid = false;
            screen.ShowError("Not yet.");
        };
        screen.Run().ListClick = [&listClicks](QObject* Sender) { listClicks.push_back(Sender); };
    };
    Start(7816);

    Dialogs.Expect("Error", "Not yet.");
    ClickNode("Spouse / former spouse(s)");
    EXPECT_EQ(Run.CurrentScreen, 7816);
    EXPECT_EQ(Run.ScreenGroup * 100 + Run.ScreenIndex, 7816);
    EXPECT_EQ(Created("TQFTB_06"), 0);
    EXPECT_EQ(listClicks, (std::vector<QObject*>{Frame}));

    mayLeave = true;
    ClickNode("Spouse / former spouse(s)");
    EXPECT_EQ(Run.CurrentScreen, 7818);
    EXPECT_EQ(Created("TQFTB_06"), 1);
    EXPECT_EQ(History(), (std::vector<std::int32_t>{7816, 7818}));
    EXPECT_EQ(listClicks, (std::vector<QObject*>{Frame, Frame}));
    EXPECT_TRUE(Widget<QWidget>("fcOutlookBar1").isHidden());
}

}  // namespace
}  // namespace ftb::interview
