#include "assessment/FamilyTests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "assessment/support/ReturnBuilder.h"
#include "data/FieldStore.h"
#include "platform/RecordingDialogs.h"

namespace ftb::assessment {
namespace {

using test_support::Dependant;
using test_support::Dmy;
using test_support::ReturnBuilder;
using test_support::WorksheetBuilder;

const std::string kWentAbsent = "Went absent without claimant's consent";
const std::string kStartStudy = "Commenced or resumed full time education";
const std::string kCareChange = "Change of shared care %";

const std::string kMissingIncome =
    "You have not entered some of the income details required for Sam please complete this "
    "data entry by going to \"Spouse Details\" from the navigation panel at a later stage.";

// A dependant who counts on every date of the year unless the test changes something: full
// care, living with the claimant, no income.
WorksheetBuilder Child(const std::string& name, const std::string& birth) {
    return Dependant(name, birth).Amount(727, 100).Amount(715, 2);
}

// A spouse with all six income amounts present; the explicit zero stands for a typed 0.
WorksheetBuilder Spouse(const std::string& name, long double taxableIncome) {
    WorksheetBuilder spouse(name);
    spouse.Amount(717, taxableIncome);
    for (int field = 718; field <= 722; ++field) spouse.Amount(field, data::kExplicitZero);
    return spouse;
}

struct RecordingTrace : TraceSink {
    std::vector<std::string> events;
    void WriteLine(const std::string& text) override { events.push_back(text); }
    void ReportStep(const std::string& label, bool result) override {
        events.push_back(label + (result ? " = yes" : " = no"));
    }
    void ReportDate(Date date) override { events.push_back("date " + data::FormatDate(date)); }
    long Count(const std::string& event) const {
        return std::count(events.begin(), events.end(), event);
    }
};

class FamilyTest : public ::testing::Test {
protected:
    data::FieldStore store;
    ReturnBuilder ret{store};
    platform::RecordingDialogs dialogs;
    RecordingTrace trace;
};

// ---------------------------------------------------------------------------------------------
// Adjusted taxable income.

TEST_F(FamilyTest, ClaimantIncomeIsExactWithTinyValuesAsZero) {
    ret.Amount(96, 20000.49L)
        .Amount(126, 1000.01L)               // x 0.51 = 510.0051
        .Amount(1246, 0.004L)                // below 0.005: 0
        .Amount(1247, data::kExplicitZero)   // a typed 0: 0
        .Amount(1248, 100)
        .Amount(199, -250.5L);               // a loss is added back
    // 20000.49 + 510.0051 - 100 + 250.5 = 20660.9951
    EXPECT_EQ(ClaimantATI(store), Currency::FromUnits(206609951));
    ret.Amount(199, 300);  // positive: no effect
    EXPECT_EQ(ClaimantATI(store), Currency::FromUnits(204104951));  // 20410.4951
}

TEST_F(FamilyTest, TheShareOfField126IsRoundedHalfToEvenToFourPlaces) {
    ret.Amount(126, 0.015L);  // 0.015 x 0.51 = 0.00765: 76.5 ten-thousandths -> 76
    EXPECT_EQ(ClaimantATI(store), Currency::FromUnits(76));
}

TEST_F(FamilyTest, DependantIncomeRoundsEachFieldToCentsThenTheTotalToDollars) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, long double>> amounts;
        std::int64_t dollars;
    } cases[] = {
        // 8078.505 -> 8078.50 (half to even) -> 8078 (half to even); straight to dollars: 8079.
        {"cents first", {{725, 8078.505L}}, 8078},
        {"even dollar", {{725, 4039.25L}, {718, 4039.25L}}, 8078},      // 8078.50
        {"odd dollar", {{725, 4039.25L}, {720, 4039.75L}}, 8079},       // 8079.00
        {"all five less 724",
         {{725, 5000}, {718, 1000}, {719, 1000}, {720, 1000}, {723, 1000}, {724, 920.5L}},
         8080},                                                         // 9000 - 920.50 = 8079.50
        {"explicit zero", {{725, 100}, {718, data::kExplicitZero}}, 100},
        {"nothing entered", {}, 0},
    };
    for (const auto& c : cases) {
        data::FieldStore s;
        WorksheetBuilder child("Ann");
        for (const auto& [field, value] : c.amounts) child.Cents(field, value);
        const int index = ReturnBuilder(s).AddDependant(child);
        EXPECT_EQ(DependantATI(s, index), Currency::FromDollars(c.dollars)) << c.what;
    }
}

TEST_F(FamilyTest, SpouseIncomeRoundsEachFieldToCentsAndIsNotRoundedAsAWhole) {
    const int sam = ret.AddSpouse(WorksheetBuilder("Sam")
                                      .Cents(717, 30000.005L)  // -> 30000.00
                                      .Cents(718, data::kExplicitZero)
                                      .Cents(719, 100.015L)    // -> 100.02
                                      .Cents(720, 50)
                                      .Cents(721, 25.25L)
                                      .Cents(722, 1000));
    // 30000 + 0 + 100.02 + 50 + 25.25 - 1000 = 29175.27
    EXPECT_EQ(SpouseATI(store, dialogs, sam), Currency::FromUnits(291752700));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FamilyTest, AMissingSpouseAmountShowsTheMessageEachTimeTheIncomeIsComputed) {
    // Field 718 entered as 0 itself is not kept in the worksheet: absent.
    const int sam = ret.AddSpouse(Spouse("Sam", 30000).Amount(718, 0));
    EXPECT_EQ(SpouseATI(store, dialogs, sam), Currency::FromDollars(30000));
    EXPECT_EQ(SpouseATI(store, dialogs, sam), Currency::FromDollars(30000));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].title, "Error");
    EXPECT_EQ(dialogs.shown[0].text, kMissingIncome);
    EXPECT_EQ(dialogs.shown[0].buttons, platform::dbOK);
}

TEST_F(FamilyTest, FamilyIncomeAddsThePartnerOnTheDateOnly) {
    ret.AddSpouse(Spouse("Sam", 34470.51L).Amount(718, 0));  // incomplete: shows the message
    ret.Table(1250, {{"Sam", "01/01/2002", "30/06/2002", "50"}});
    ret.Amount(96, 20000.49L);
    EXPECT_EQ(FamilyATI(store, dialogs, Dmy("31/12/2001")), Currency::FromValue(20000.49L));
    EXPECT_TRUE(dialogs.shown.empty());
    // 20000.49 + 34470.51 = 54471 exactly.
    EXPECT_EQ(FamilyATI(store, dialogs, Dmy("01/01/2002")), Currency::FromDollars(54471));
    EXPECT_EQ(FamilyATI(store, dialogs, Dmy("02/01/2002")), Currency::FromDollars(54471));
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

// ---------------------------------------------------------------------------------------------
// Age and income test.

TEST_F(FamilyTest, AgeAndIncomeTestOnADate) {
    struct Case {
        const char* birth;  // ages on 1 July 2001
        long double income;
        bool studying;
        bool passes;
    } cases[] = {
        {"01/07/1998", 9000, false, true},   // 3: passes whatever the income
        {"01/07/1991", 9000, false, false},  // 10, not studying, over the limit
        {"01/07/1991", 8078, false, true},
        {"01/07/1991", 9000, true, true},
        {"01/07/1984", 8078, false, true},   // 17
        {"01/07/1984", 8079, false, false},  // the limit itself fails
        {"01/07/1984", 9000, true, false},   // study does not help at 17
        {"01/07/1979", 8078, true, true},    // 22 needs both
        {"01/07/1979", 0, false, false},
        {"01/07/1979", 8079, true, false},
        {"01/07/1976", 0, true, false},      // 25
        {"01/03/2002", 0, false, false},     // not yet born
    };
    for (const auto& c : cases) {
        data::FieldStore s;
        WorksheetBuilder child = Dependant("Ann", c.birth);
        child.Amount(725, c.income);
        if (c.studying) child.Amount(728, 2);
        const int index = ReturnBuilder(s).AddDependant(child);
        EXPECT_EQ(AgeAndIncomeTestOnDate(s, index, kYearStart), c.passes)
            << c.birth << " income " << static_cast<double>(c.income) << " studying "
            << c.studying;
    }
}

TEST_F(FamilyTest, AgeAndIncomeTestForTheYearJudgesStudyOverTheYearAndAcceptsTheUnborn) {
    // Ten years old, income 9000, not studying on 1 July but starting on 1 February 2002.
    const int starts = ret.AddDependant(Dependant("Ann", "01/07/1991")
                                            .Amount(725, 9000)
                                            .Amount(728, 1)
                                            .Table(732, {{"01/02/2002", kStartStudy, ""}}));
    EXPECT_FALSE(AgeAndIncomeTestOnDate(store, starts, kYearStart));
    EXPECT_TRUE(AgeAndIncomeTestForYear(store, starts, kYearStart));
    const int bornInYear = ret.AddDependant(Dependant("Ben", "01/03/2002"));      // age -1
    const int bornLater = ret.AddDependant(Dependant("Cat", "01/03/2003"));       // age -2
    const int noBirthDate = ret.AddDependant(WorksheetBuilder("Dan"));
    EXPECT_TRUE(AgeAndIncomeTestForYear(store, bornInYear, kYearStart));
    EXPECT_FALSE(AgeAndIncomeTestForYear(store, bornLater, kYearStart));
    EXPECT_FALSE(AgeAndIncomeTestForYear(store, noBirthDate, kYearStart));
}

// ---------------------------------------------------------------------------------------------
// Dependant test.

struct DependantCase {
    const char* what;
    WorksheetBuilder dependant;
    int purpose;
    const char* date;
    bool counts;
};

void ExpectDependantCases(const std::vector<DependantCase>& cases) {
    for (const auto& c : cases) {
        data::FieldStore s;
        const int index = ReturnBuilder(s).AddDependant(c.dependant);
        EXPECT_EQ(DependantTest(s, index, c.purpose, Dmy(c.date)), c.counts)
            << c.what << ", purpose " << c.purpose << ", " << c.date;
    }
}

TEST(DependantTest, CountsUntil98DaysIntoAnAbsenceOrAfterADeath) {
    const auto absent = Child("Ann", "01/01/1995")
                            .Amount(731, 1)
                            .Table(732, {{"01/08/2001", kWentAbsent, ""}});
    const auto died = Child("Ann", "01/01/1995").Table(732, {{"01/10/2001", "Deceased", ""}});
    ExpectDependantCases({
        // 06/11/2001 - 98 = 31/07/2001, before the absence began; 07/11/2001 - 98 = 01/08/2001.
        {"absent", absent, dpMaintenance, "06/11/2001", true},
        {"absent", absent, dpMaintenance, "07/11/2001", false},
        {"absent", absent, dpHigherIncomeThreshold, "07/11/2001", false},
        // 07/01/2002 - 98 = 01/10/2001 < day after death; 08/01/2002 - 98 = 02/10/2001.
        {"died", died, dpMaintenance, "07/01/2002", true},
        {"died", died, dpMaintenance, "08/01/2002", false},
        {"died", died, dpHigherIncomeThreshold, "07/01/2002", true},
        {"died", died, dpDayTest, "01/10/2001", true},
        {"died", died, dpDayTest, "02/10/2001", false},
    });
}

TEST(DependantTest, AppliesEachConditionToItsPurposes) {
    ExpectDependantCases({
        {"care 9 %", Child("Ann", "01/01/1995").Amount(727, 9), dpMaintenance, "01/08/2001",
         false},
        {"care 10 %", Child("Ann", "01/01/1995").Amount(727, 10), dpMaintenance, "01/08/2001",
         true},
        {"care unknown", Dependant("Ann", "01/01/1995").Amount(715, 2), dpHigherIncomeThreshold,
         "01/08/2001", false},
        {"born 01/03/2002", Child("Ann", "01/03/2002"), dpMaintenance, "28/02/2002", false},
        {"born 01/03/2002", Child("Ann", "01/03/2002"), dpMaintenance, "01/03/2002", true},
        {"aged 17", Child("Ann", "01/01/1984"), dpMaintenance, "01/08/2001", false},
        {"aged 17", Child("Ann", "01/01/1984"), dpHigherIncomeThreshold, "01/08/2001", true},
        {"aged 17 on a scheme", Child("Ann", "01/01/1984").Amount(1104, 2),
         dpHigherIncomeThreshold, "01/08/2001", false},
        {"aged 10 on a scheme", Child("Ann", "01/01/1991").Amount(1104, 2), dpMaintenance,
         "01/08/2001", true},
        {"on a payment", Child("Ann", "01/01/1991").Amount(730, 2), dpHigherIncomeThreshold,
         "01/08/2001", false},
        {"not resident", Child("Ann", "01/01/1991").Amount(715, 1), dpDayTest, "01/08/2001",
         false},
        {"residency unanswered", Dependant("Ann", "01/01/1991").Amount(727, 100), dpDayTest,
         "01/08/2001", false},
        // Overseas since 01/03/2001: over 26 weeks on 01/12/2001, which only purpose 1 judges.
        {"overseas", Child("Ann", "01/01/1991").Table(747, {{"01/03/2001", ""}}),
         dpMaintenance, "01/12/2001", false},
        {"overseas", Child("Ann", "01/01/1991").Table(747, {{"01/03/2001", ""}}),
         dpHigherIncomeThreshold, "01/12/2001", true},
        {"overseas 3 years", Child("Ann", "01/01/1991").Table(747, {{"01/07/1998", ""}}),
         dpDayTest, "01/07/2001", false},
        {"departed", Child("Ann", "01/01/1991").Check(1101).Table(747, {{"01/09/2001", ""}}),
         dpHigherIncomeThreshold, "01/09/2001", true},
        {"departed", Child("Ann", "01/01/1991").Check(1101).Table(747, {{"01/09/2001", ""}}),
         dpHigherIncomeThreshold, "02/09/2001", false},
        {"income over the limit", Child("Ann", "01/01/1984").Amount(725, 8079),
         dpHigherIncomeThreshold, "01/08/2001", false},
    });
}

TEST(DependantTest, ADependantWithoutABirthDateNeverCounts) {
    const auto undated = WorksheetBuilder("Ann").Amount(727, 100).Amount(715, 2);
    const auto unreadable = Child("Ann", "31/02/1995");
    for (int purpose : {dpHigherIncomeThreshold, dpMaintenance, dpDayTest})
        ExpectDependantCases({{"no birth date", undated, purpose, "01/08/2001", false},
                              {"unreadable birth date", unreadable, purpose, "01/08/2001", false}});
}

TEST_F(FamilyTest, TheDependantTestReportsItsStepsWithTheirLabels) {
    const int ann = ret.AddDependant(Child("Ann", "01/01/1995"));
    EXPECT_TRUE(DependantTest(store, ann, dpMaintenance, kYearStart, trace));
    const std::vector<std::string> passing = {
        "date 01/07/2001",
        "Under 16 if for maintenace purposes = yes",
        "Permanent Departure = yes",
        "In receipt of Social security = yes",
        "Shared care >= 10 % = yes",
        "Absent Without consent = yes",
        "Overseas = yes",
        "Overseas More than 3 years = yes",
        "Australian Residency = yes",
        "Alive = yes",
        "Income Thresholds = yes",
    };
    EXPECT_EQ(trace.events, passing);

    // Failing at the care step: the labels marked always follow with the failed result; the
    // overseas and alive steps do not run and say nothing. Purpose 0 judges no 26 weeks.
    const int ben = ret.AddDependant(Child("Ben", "01/01/1995").Amount(727, 5));
    trace.events.clear();
    EXPECT_FALSE(DependantTest(store, ben, dpHigherIncomeThreshold, kYearStart, trace));
    EXPECT_EQ(trace.events, (std::vector<std::string>{
                                "date 01/07/2001",
                                "Under 16 if for maintenace purposes = yes",
                                "Permanent Departure = yes",
                                "In receipt of Social security = yes",
                                "Shared care >= 10 % = no",
                                "Absent Without consent = no",
                                "Australian Residency = no",
                                "Income Thresholds = no",
                            }));
}

// ---------------------------------------------------------------------------------------------
// Claimant test.

TEST_F(FamilyTest, TheClaimantTestStopsAtTheFirstFailingStep) {
    EXPECT_TRUE(ClaimantTest(store, kYearStart, trace));
    EXPECT_EQ(trace.events, (std::vector<std::string>{
                                "Residency = yes",
                                "Overseas  = yes",
                                "Greater than 3 Years OS  = yes",
                                "Overseas Permanent Departure  = yes",
                            }));
    ret.Table(1249, {{"01/03/2001", ""}});  // over 26 weeks away on 01/12/2001
    trace.events.clear();
    EXPECT_FALSE(ClaimantTest(store, Dmy("01/12/2001"), trace));
    EXPECT_EQ(trace.events, (std::vector<std::string>{"Residency = yes", "Overseas  = no"}));

    ret.Check(1290).Table(1291, {{"You", "01/07/2001", "30/06/2002"}});  // blind-rate pension
    trace.events.clear();
    EXPECT_FALSE(ClaimantTest(store, kYearStart, trace));
    EXPECT_TRUE(trace.events.empty());
}

// ---------------------------------------------------------------------------------------------
// Thresholds and the family circumstance test.

TEST_F(FamilyTest, ThresholdsCountTheChildrenOfTheDate) {
    EXPECT_EQ(BaseRateThreshold(store, kYearStart), Currency());
    EXPECT_EQ(HigherIncomeThreshold(store, kYearStart), Currency());
    ret.AddDependant(Child("Ann", "01/07/1995"));   // 6 on 1 July 2001
    ret.AddDependant(Child("Ben", "02/07/1988"));   // 12: turns 13 the next day
    ret.AddDependant(Child("Cat", "01/01/1987"));   // 14
    // 29857 + 2 x 7251 + 10110 + 1 + 1 = 54471; 74095 + 3 x 3139 = 83512.
    EXPECT_EQ(BaseRateThreshold(store, kYearStart), Currency::FromDollars(54471));
    EXPECT_EQ(HigherIncomeThreshold(store, kYearStart), Currency::FromDollars(83512));
    ret.AddDependant(Child("Dan", "01/01/1984"));   // 17: counts for the HIT only
    ret.AddDependant(Child("Eve", "01/01/1995").Amount(727, 5));  // counts for neither
    EXPECT_EQ(BaseRateThreshold(store, kYearStart), Currency::FromDollars(54471));
    EXPECT_EQ(HigherIncomeThreshold(store, kYearStart), Currency::FromDollars(86651));
    // On 02/07/2001 Ben is 13: 29857 + 7251 + 2 x 10110 + 1 + 1 = 57330.
    EXPECT_EQ(BaseRateThreshold(store, Dmy("02/07/2001")), Currency::FromDollars(57330));
}

TEST_F(FamilyTest, TheBaseRateThresholdAddsOneAtEachCountReached) {
    struct Case {
        int under13;
        int from13To15;
        std::int64_t threshold;
    } cases[] = {
        {1, 0, 37109},   // 29857 + 7251 + 1
        {4, 0, 58863},   // 29857 + 29004 + 1 + 1
        {0, 1, 39968},   // 29857 + 10110 + 1
        {0, 3, 60189},   // 29857 + 30330 + 1 + 1
        {0, 5, 80410},   // 29857 + 50550 + 1 + 1 + 1
        {3, 2, 71832},   // 29857 + 21753 + 20220 + 1 + 1
    };
    for (const auto& c : cases) {
        data::FieldStore s;
        ReturnBuilder family(s);
        for (int i = 0; i < c.under13; ++i) family.AddDependant(Child("Young", "01/07/1995"));
        for (int i = 0; i < c.from13To15; ++i) family.AddDependant(Child("Teen", "01/01/1987"));
        EXPECT_EQ(BaseRateThreshold(s, kYearStart), Currency::FromDollars(c.threshold))
            << c.under13 << " under 13, " << c.from13To15 << " aged 13 to 15";
    }
}

TEST_F(FamilyTest, TheFamilyIncomeMustBeBelowTheBaseRateThresholdAndNotAboveTheHit) {
    ret.Check(1255).Check(1275);  // Sam is the partner all year
    ret.AddSpouse(Spouse("Sam", 34470.51L));
    ret.AddDependant(Child("Ann", "01/07/1995"));
    ret.AddDependant(Child("Ben", "01/07/1995"));
    ret.AddDependant(Child("Cat", "01/01/1987"));
    // Base-rate threshold 54471, HIT 83512. 20000.49 + 34470.51 is exactly the threshold.
    ret.Amount(96, 20000.49L);
    EXPECT_FALSE(FamilyCircumstanceTest(store, dialogs, kYearStart, trace));
    EXPECT_EQ(trace.Count("Family circumstance 01/07/2001 Failed"), 1);
    ret.Amount(96, 20000.48L);
    EXPECT_TRUE(FamilyCircumstanceTest(store, dialogs, kYearStart, trace));
    EXPECT_EQ(trace.Count("Passed Threshold Base rate and HIT for 01/07/2001"), 1);
    EXPECT_EQ(trace.Count("Family circumstance 01/07/2001 Passed"), 1);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FamilyTest, AFamilyIncomeEqualToTheHitPassesWhenBelowTheBaseRateThreshold) {
    // Seven children aged 14: base-rate threshold 29857 + 7 x 10110 + 3 = 100630 and HIT
    // 74095 + 7 x 3139 = 96068, so the HIT is the lower bound.
    for (int i = 0; i < 7; ++i) ret.AddDependant(Child("Teen", "01/01/1987"));
    EXPECT_EQ(BaseRateThreshold(store, kYearStart), Currency::FromDollars(100630));
    ret.Amount(96, 96068);
    EXPECT_TRUE(FamilyCircumstanceTest(store, dialogs, kYearStart));
    ret.Amount(96, 96068.01L);
    EXPECT_FALSE(FamilyCircumstanceTest(store, dialogs, kYearStart));
}

TEST_F(FamilyTest, TheFamilyTestWritesItsFrameAndSkipsTheIncomeWhenTheClaimantFails) {
    ret.Check(1255).Check(1275);
    ret.AddSpouse(Spouse("Sam", 10000).Amount(718, 0));  // would show the message
    ret.AddDependant(Child("Ann", "01/07/1995"));
    ret.Table(1266, {{"Not Australian resident", "01/07/2001", "30/06/2002"}});
    EXPECT_FALSE(FamilyCircumstanceTest(store, dialogs, kYearStart, trace));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(trace.events, (std::vector<std::string>{
                                "<BR><B><i>Start family circumstance test</B></i>",
                                "Residency = no",
                                "Family circumstance 01/07/2001 Failed",
                                "<BR><B><i>End family circumstance test</B></i><BR>",
                            }));
    // Resident again: now the income is computed, and the partner's missing amount is shown.
    store.SetFieldVal(1268, 1);
    EXPECT_TRUE(FamilyCircumstanceTest(store, dialogs, kYearStart));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, kMissingIncome);
}

TEST_F(FamilyTest, AFamilyWithoutCountedChildrenFailsUnlessItsIncomeIsNegative) {
    EXPECT_FALSE(FamilyCircumstanceTest(store, dialogs, kYearStart));
    ret.Amount(1248, 10);  // maintenance paid: an income of -10
    EXPECT_TRUE(FamilyCircumstanceTest(store, dialogs, kYearStart));
}

// ---------------------------------------------------------------------------------------------
// Maintenance-relevant dependants and the spouse list.

TEST_F(FamilyTest, MaintenanceRelevantDependantsAreTheChildrenUnder16WhoCountOnSomeDate) {
    ret.Amount(96, 40000);  // 2 children under 13: threshold 44360, HIT 80373
    ret.AddDependant(Child("Ann", "01/07/1995"));
    ret.AddDependant(Child("Old", "01/01/1984"));  // 17: no candidate
    ret.AddDependant(WorksheetBuilder("Dan").Amount(727, 100).Amount(715, 2));  // no birth date
    ret.AddDependant(Child("Cat", "01/07/1995"));
    data::TextList lines = {"stale"};
    MaintenanceRelevantDependants(store, dialogs, lines);
    EXPECT_EQ(lines, (data::TextList{"0=Ann", "3=Cat"}));
}

TEST_F(FamilyTest, NoCandidateMeansNoTestIsRun) {
    ret.AddDependant(Child("Old", "01/01/1984"));
    ret.AddDependant(Child("Rich", "01/01/1991").Amount(725, 9000));  // fails the year test
    data::TextList lines = {"stale"};
    MaintenanceRelevantDependants(store, dialogs, lines, trace);
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(trace.events.empty());
}

TEST_F(FamilyTest, AChildBornDuringTheYearIsFoundOnItsBirthday) {
    // Before 1 March 2002 there is no counted child and both thresholds are 0; on the birthday
    // the threshold is 29857 + 7251 + 1 = 37109.
    ret.Amount(96, 30000);
    ret.AddDependant(Child("Baby", "01/03/2002"));
    data::TextList lines;
    MaintenanceRelevantDependants(store, dialogs, lines, trace);
    EXPECT_EQ(lines, (data::TextList{"0=Baby"}));
    EXPECT_EQ(trace.Count("Family circumstance 01/07/2001 Failed"), 1);
    EXPECT_EQ(trace.Count("Family circumstance 01/03/2002 Passed"), 1);
}

TEST_F(FamilyTest, TheWalkStopsOnceEveryCandidateIsFound) {
    ret.Amount(96, 30000);
    // Change dates in list order: 01/07/2001, Ann's birthday 01/01/2002, her care changes
    // 01/04/2002 and 01/05/2002, then Baby's birthday 01/03/2002. Ann is found on the first;
    // Baby (born 01/03/2002) on the third, 01/04/2002; the walk stops there.
    ret.AddDependant(Child("Ann", "01/01/1995")
                         .Table(732, {{"01/04/2002", kCareChange, "100"},
                                      {"01/05/2002", kCareChange, "100"}}));
    ret.AddDependant(Child("Baby", "01/03/2002"));
    data::TextList lines;
    MaintenanceRelevantDependants(store, dialogs, lines, trace);
    EXPECT_EQ(lines, (data::TextList{"0=Ann", "1=Baby"}));
    EXPECT_EQ(trace.Count("<BR><B><i>Start family circumstance test</B></i>"), 3);
    EXPECT_EQ(trace.Count("Family circumstance 01/04/2002 Passed"), 1);
}

TEST_F(FamilyTest, ADependantIsFoundOnlyOnADateOnWhichBothTestsPass) {
    // The claimant is resident only from 01/10/2001, so the family test fails on 01/07/2001,
    // the only date on which Ann counts: her care falls to 5 % on 01/10/2001. From then the
    // family passes (Ben counts: threshold 37109, income 30000) but Ann does not. A walk that
    // kept what passed on different dates, or stopped a dependant at its first failing date
    // instead of its first passing one, would list her.
    ret.Amount(96, 30000);
    ret.Table(1266, {{"Not Australian resident", "01/07/2001", "30/09/2001"},
                     {"Australian resident", "01/10/2001", "30/06/2002"}});
    ret.AddDependant(Child("Ann", "01/01/1995").Table(732, {{"01/10/2001", kCareChange, "5"}}));
    ret.AddDependant(Child("Ben", "01/03/1994"));
    data::TextList lines;
    MaintenanceRelevantDependants(store, dialogs, lines, trace);
    EXPECT_EQ(lines, (data::TextList{"1=Ben"}));
    EXPECT_EQ(trace.Count("Family circumstance 01/07/2001 Failed"), 1);
    EXPECT_EQ(trace.Count("Family circumstance 01/10/2001 Passed"), 1);
    // Ann is still looked for on the later dates: her walk has not found her.
    EXPECT_EQ(trace.Count("Family circumstance 01/03/2002 Passed"), 1);
}

TEST_F(FamilyTest, AChangeDateOutsideTheYearCanMakeADependantRelevant) {
    // Kim stopped living with the claimant on 01/06/2000, so she counts on no day of the year;
    // the marital row starting 01/01/2000 makes that day a change date, and on it both tests
    // pass: income 10000 + 10000 against a threshold of 37109.
    ret.Amount(96, 10000).Amount(1268, 1);
    ret.AddSpouse(Spouse("Sam", 10000));
    ret.Table(1250, {{"Sam", "01/01/2000", "30/06/2002", "50"}});
    ret.AddDependant(
        Child("Kim", "01/01/1992")
            .Table(732, {{"01/06/2000",
                          "Ceased being an Australian resident / ceased living with the claimant",
                          ""}}));
    data::TextList lines;
    MaintenanceRelevantDependants(store, dialogs, lines, trace);
    EXPECT_EQ(lines, (data::TextList{"0=Kim"}));
    EXPECT_EQ(trace.Count("Family circumstance 01/01/2000 Passed"), 1);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FamilyTest, TheSpouseListHoldsEverySpouseWhateverTheMaritalTableSays) {
    data::TextList lines = {"stale"};
    SpouseList(store, lines);
    EXPECT_TRUE(lines.empty());
    ret.AddSpouse(WorksheetBuilder("Alex"));
    ret.AddSpouse(WorksheetBuilder("Sam"));
    ret.Table(1250, {{"Single", "01/07/2001", "30/06/2002", ""}});
    SpouseList(store, lines);
    EXPECT_EQ(lines, (data::TextList{"0=Alex", "1=Sam"}));
}

}  // namespace
}  // namespace ftb::assessment
