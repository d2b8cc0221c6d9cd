#include "interview/Catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "interview/Child.h"
#include "interview/support/ScreenTestKit.h"

namespace ftb::interview {
namespace {

using testkit::TScreenTestKit;

// What a screen saw of itself when its create and show handlers ran.
struct TSeen {
    std::string Caption;
    int HelpContext = -1;
    int Marker = -1;
    int IndexAtShow = -1;
};

class TRecordingScreen : public TChildForm {
public:
    TRecordingScreen(TScreenContext& context, std::vector<TSeen>& seen)
        : TChildForm(context), seen_(seen) {}

    void FormCreate() override {
        seen_.push_back({Caption, HelpContext, VertScrollBarMargin, -1});
        created_ = seen_.size() - 1;
    }
    void FormShow(QObject*) override { seen_[created_].IndexAtShow = ScreenIndex(); }

private:
    std::vector<TSeen>& seen_;
    std::size_t created_ = 0;
};

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* className : {"TQFTB_38", "TQFTB_33", "TQFTB_51"})
            registry.Register(className, [this](TScreenContext& context) {
                return std::make_unique<TRecordingScreen>(context, seen);
            });
    }

    std::unique_ptr<TChildForm> Create(int number) {
        kit.Run.SetScreen(number);
        return registry.CreateScreen(number, kit.Context);
    }

    TScreenTestKit kit;
    TScreenRegistry registry;
    std::vector<TSeen> seen;
};

TEST(ScreenCatalogueTable, HoldsTheFiftySevenScreensOfGroup78InOrder) {
    const auto catalogue = ScreenCatalogue();
    ASSERT_EQ(catalogue.size(), 57u);
    std::set<std::string> classes;
    std::map<std::string, std::vector<int>> shared;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        EXPECT_EQ(catalogue[i].Number, 7803 + static_cast<int>(i));
        EXPECT_EQ(FindScreenEntry(catalogue[i].Number), &catalogue[i]);
        classes.insert(catalogue[i].ClassName);
        shared[catalogue[i].ClassName].push_back(catalogue[i].Number);
    }
    EXPECT_EQ(classes.size(), 46u);
    EXPECT_EQ(shared["TQFTB_38"],
              (std::vector<int>{7804, 7812, 7816, 7822, 7826, 7837, 7842, 7849, 7858, 7859}));
    EXPECT_EQ(shared["TQFTB_33"], (std::vector<int>{7838, 7841, 7850}));
    EXPECT_EQ(FindScreenEntry(7802), nullptr);
    EXPECT_EQ(FindScreenEntry(7860), nullptr);
    EXPECT_EQ(FindScreenEntry(6601), nullptr);
}

TEST(ScreenCatalogueTable, EntriesCarryTheirCaptionHelpContextAndMarker) {
    struct Expected {
        int number;
        const char* className;
        const char* caption;
        int help;
        int marker;
    };
    const std::vector<Expected> cases{
        {7803, "TQFTB_51", "Family Tax Benefit", 542, kInformationMarker},
        {7805, "TQFTB_02", "Family Tax Benefit", 584, kQuestionMarker},
        {7810, "TQFTB_37", "Family Tax Benefit", 552, kFormMarker},
        {7817, "TQFTB_05a", "Family Tax Benefit", 506, kQuestionMarker},
        {7833, "TQFTB_13_Alternative", "Family Tax Benefit", 569, kFormMarker},
        {7834, "TQFTB_35", "Shared Care and Shared Care Percentage", 570, kFormMarker},
        {7838, "TQFTB_33", "Maintenance Information not Required", 574, kInformationMarker},
        {7845, "TQFTB_30", "Capitalised Spousal Maintenance", 579, kQuestionMarker},
        {7846, "TQFTB_19a", "Family Tax Benefit", 581, kFormMarker},
        {7847, "TQFTB_20", "Non-Capitalised Spousal Maintenance", 582, kFormMarker},
        {7854, "TQFTB_31", "Capitalised Maintenance", 579, kFormMarker},
        {7855, "TQFTB_18", "Capitalised Maintenance", 581, kFormMarker},
        {7856, "TQFTB_17", "Non-Capitalised Maintenance", 582, kFormMarker},
        {7857, "TQFTB_56", "Family Tax Benefit", 576, kQuestionMarker},
        {7859, "TQFTB_38", "Family Tax Benefit", 546, kInformationMarker},
    };
    for (const Expected& expected : cases) {
        const TScreenEntry* entry = FindScreenEntry(expected.number);
        ASSERT_NE(entry, nullptr) << expected.number;
        EXPECT_STREQ(entry->ClassName, expected.className) << expected.number;
        EXPECT_STREQ(entry->Caption, expected.caption) << expected.number;
        EXPECT_EQ(entry->HelpContext, expected.help) << expected.number;
        EXPECT_EQ(entry->Marker, expected.marker) << expected.number;
    }
    // The markers over the whole interview: 19 question, 22 form and 16 information screens.
    std::map<int, int> markers;
    for (const TScreenEntry& entry : ScreenCatalogue()) ++markers[entry.Marker];
    EXPECT_EQ(markers[kQuestionMarker], 19);
    EXPECT_EQ(markers[kFormMarker], 22);
    EXPECT_EQ(markers[kInformationMarker], 16);
}

TEST_F(CatalogueTest, CreatedScreenGetsItsEntryBeforeItsCreateHandlerRuns) {
    const std::unique_ptr<TChildForm> screen = Create(7838);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->Caption, "Maintenance Information not Required");
    EXPECT_EQ(screen->HelpContext, 574);
    EXPECT_EQ(screen->VertScrollBarMargin, kInformationMarker);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Caption, "Maintenance Information not Required");
    EXPECT_EQ(seen[0].HelpContext, 574);
    EXPECT_EQ(seen[0].Marker, kInformationMarker);
}

TEST_F(CatalogueTest, NumbersOutsideTheCatalogueOrOfUnregisteredClassesGiveNoScreen) {
    EXPECT_EQ(Create(7802), nullptr);
    EXPECT_EQ(Create(7860), nullptr);
    EXPECT_EQ(Create(8001), nullptr);
    EXPECT_FALSE(registry.IsRegistered("TQFTB_02"));
    EXPECT_EQ(Create(7805), nullptr);  // TQFTB_02 has no factory here
    EXPECT_TRUE(seen.empty());

    registry.Register("TQFTB_02", [](TScreenContext&) { return std::unique_ptr<TChildForm>(); });
    EXPECT_TRUE(registry.IsRegistered("TQFTB_02"));
    EXPECT_EQ(Create(7805), nullptr);  // a factory that makes nothing
}

TEST_F(CatalogueTest, EveryCallMakesAFreshObjectThatReadsItsOwnScreenIndex) {
    const std::unique_ptr<TChildForm> summary = Create(7859);
    const std::unique_ptr<TChildForm> steps = Create(7804);
    ASSERT_NE(summary, nullptr);
    ASSERT_NE(steps, nullptr);
    EXPECT_NE(summary.get(), steps.get());
    EXPECT_NE(dynamic_cast<TRecordingScreen*>(summary.get()), nullptr);

    const std::unique_ptr<TChildForm> first = Create(7838);
    first->FormShow(nullptr);
    const std::unique_ptr<TChildForm> second = Create(7841);
    second->FormShow(nullptr);
    EXPECT_NE(first.get(), second.get());
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[2].IndexAtShow, 38);
    EXPECT_EQ(seen[3].IndexAtShow, 41);
}

TEST_F(CatalogueTest, RegisteringAClassAgainReplacesItsFactory) {
    int made = 0;
    registry.Register("TQFTB_51", [&made](TScreenContext& context) {
        ++made;
        return std::make_unique<TChildForm>(context);
    });
    const std::unique_ptr<TChildForm> screen = Create(7803);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(made, 1);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(screen->HelpContext, 542);
}

}  // namespace
}  // namespace ftb::interview
