#include "assessment/Calendar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assessment/support/ReturnBuilder.h"
#include "data/FieldStore.h"

namespace ftb::assessment {
namespace {

using test_support::Cells;
using test_support::Dependant;
using test_support::Dmy;
using test_support::ReturnBuilder;
using test_support::Rows;
using test_support::WorksheetBuilder;

const std::string kWentAbsent = "Went absent without claimant's consent";
const std::string kEndAbsence = "End of period of absence without consent";
const std::string kStartPayment =
    "Commenced receiving pension / benefit / payment under labour market program";
const std::string kStopPayment =
    "Ceased receiving pension / benefit / payment under labour market program";
const std::string kStartStudy = "Commenced or resumed full time education";
const std::string kStopStudy = "Ceased full time education";
const std::string kStartScheme = "Commenced receiving payments under a prescribed education scheme";
const std::string kStopScheme = "Ceased receiving payments under a prescribed education scheme";
const std::string kCareChange = "Change of shared care %";

std::vector<std::string> Texts(const DynArrayOfDates& dates) {
    std::vector<std::string> texts;
    for (const Date date : dates) texts.push_back(data::FormatDate(date));
    return texts;
}

class CalendarTest : public ::testing::Test {
protected:
    data::FieldStore store;
    ReturnBuilder ret{store};
};

TEST(AgeAt, CountsBirthdaysPassedIncludingTheTwentyNinthOfFebruary) {
    struct Case {
        const char* birth;
        const char* date;
        int age;
    } cases[] = {
        {"29/02/2000", "28/02/2001", 0},  // (2, 28) comes before (2, 29)
        {"29/02/2000", "01/03/2001", 1},
        {"29/02/2000", "29/02/2004", 4},
        {"10/12/1995", "09/12/2001", 5},
        {"10/12/1995", "10/12/2001", 6},
        {"01/03/2002", "01/07/2001", -1},  // within the year before the birth
        {"01/03/2002", "28/02/2002", -1},
        {"01/03/2002", "01/03/2002", 0},
        {"01/03/2002", "28/02/2001", -2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AgeAt(Dmy(c.birth), Dmy(c.date)), c.age) << c.birth << " at " << c.date;
}

TEST(IsStartEvent, HoldsForTheSixStartEventsOnly) {
    for (const auto& event : {kStartStudy, kStartPayment, kWentAbsent, kCareChange, kStartScheme,
                              std::string("Gained Australian residency for social security "
                                          "purposes / began living with the claimant")})
        EXPECT_TRUE(IsStartEvent(event)) << event;
    for (const auto& event :
         {kStopStudy, kStopPayment, kEndAbsence, kStopScheme, std::string("Deceased"),
          std::string("Ceased being an Australian resident / ceased living with the claimant"),
          std::string("dummy"), std::string()})
        EXPECT_FALSE(IsStartEvent(event)) << event;
}

TEST(DynArrayOfDates, KeepsInsertionOrderAndEachDateOnce) {
    DynArrayOfDates dates;
    EXPECT_TRUE(dates.Add(Dmy("02/01/2002")));
    EXPECT_TRUE(dates.Add(Dmy("01/07/2001")));
    EXPECT_FALSE(dates.Add(Dmy("02/01/2002")));
    EXPECT_TRUE(dates.Add(Dmy("01/01/1900")));
    EXPECT_EQ(Texts(dates), (std::vector<std::string>{"02/01/2002", "01/07/2001", "01/01/1900"}));
}

TEST_F(CalendarTest, SpouseByNameTakesTheLastExactMatch) {
    ret.AddSpouse(WorksheetBuilder("Sam"));
    ret.AddSpouse(WorksheetBuilder("Alex"));
    ret.AddSpouse(WorksheetBuilder("Sam"));
    EXPECT_EQ(SpouseByName(store, "Sam"), 2);
    EXPECT_EQ(SpouseByName(store, "Alex"), 1);
    EXPECT_EQ(SpouseByName(store, "sam"), kNone);
    EXPECT_EQ(SpouseByName(store, "Nobody"), kNone);
}

TEST_F(CalendarTest, WithoutMaritalTableThePartnerIsTheFirstSpouseWhenBothFlagsAreChecked) {
    EXPECT_EQ(PartnerAtDate(store, kYearStart), kNone);  // no spouse worksheet at all
    ret.Check(1255).Check(1275);
    EXPECT_EQ(PartnerAtDate(store, kYearStart), kNone);
    ret.AddSpouse(WorksheetBuilder("Alex"));
    ret.AddSpouse(WorksheetBuilder("Sam"));
    for (const char* date : {"01/07/2001", "15/01/2002", "30/06/2002", "01/01/1990"})
        EXPECT_EQ(PartnerAtDate(store, Dmy(date)), 0) << date;
    store.SetFieldUnchecked(1275);
    EXPECT_EQ(PartnerAtDate(store, kYearStart), kNone);
}

TEST_F(CalendarTest, TheLastCoveringMaritalRowNamesThePartner) {
    ret.AddSpouse(WorksheetBuilder("Alex"));
    ret.AddSpouse(WorksheetBuilder("Sam"));
    ret.Check(1255).Check(1275);  // ignored once the table has rows
    ret.Table(1250, {{"Alex", "01/07/2001", "31/12/2001", "50"},
                     {"Ghost", "15/12/2001", "31/12/2001", "50"},  // no worksheet of that name
                     {"Single", "01/01/2002", "30/06/2002", ""},
                     {"Sam", "01/03/2002", "30/06/2002", "40"},
                     {"Widowed", "01/06/2002", "30/06/2002", ""},  // does not count
                     {"Alex", "xx/06/2002", "30/06/2002", "50"}});  // unreadable: ignored
    struct Case {
        const char* date;
        int partner;
    } cases[] = {
        {"30/06/2001", kNone}, {"01/07/2001", 0},     {"14/12/2001", 0},
        {"15/12/2001", kNone}, {"31/12/2001", kNone}, {"01/01/2002", kNone},
        {"28/02/2002", kNone}, {"01/03/2002", 1},     {"15/06/2002", 1},
        {"30/06/2002", 1},     {"01/07/2002", kNone},
    };
    for (const auto& c : cases) EXPECT_EQ(PartnerAtDate(store, Dmy(c.date)), c.partner) << c.date;
}

TEST_F(CalendarTest, ResidencyFollowsTheLastCoveringRowUnlessResidentAllYear) {
    EXPECT_TRUE(ResidentAtDate(store, kYearStart));  // no table
    ret.Table(1266, {{"Australian resident", "01/07/2001", "31/10/2001"},
                     {"not australian RESIDENT", "01/11/2001", "31/01/2002"},
                     {"australian resident", "15/01/2002", "30/06/2002"}});
    struct Case {
        const char* date;
        bool resident;
    } cases[] = {
        {"30/06/2001", true},  {"31/10/2001", true}, {"01/11/2001", false},
        {"14/01/2002", false}, {"15/01/2002", true}, {"30/06/2002", true},
    };
    for (const auto& c : cases) EXPECT_EQ(ResidentAtDate(store, Dmy(c.date)), c.resident) << c.date;

    ret.Table(1266, {{"Not Australian resident", "01/07/2001", "30/06/2002"}});
    EXPECT_FALSE(ResidentAtDate(store, Dmy("01/12/2001")));
    ret.Amount(1268, 1);
    EXPECT_TRUE(ResidentAtDate(store, Dmy("01/12/2001")));
}

TEST_F(CalendarTest, BlindRateCountsTheClaimantAndThePartnerOnTheDate) {
    ret.AddSpouse(WorksheetBuilder("Sam"));
    ret.Table(1250, {{"Sam", "01/12/2001", "15/12/2001", "50"},
                     {"Sam", "10/02/2002", "12/02/2002", "50"}});
    ret.Table(1291, {{"You", "01/08/2001", "31/08/2001"},
                     {"THE TAXPAYER", "01/10/2001", "31/10/2001"},
                     {"Sam", "01/12/2001", "31/12/2001"},
                     {"", "01/02/2002", "28/02/2002"},
                     {"You", "", "30/06/2002"}});
    EXPECT_FALSE(BlindRateAtDate(store, Dmy("15/08/2001")));  // 1290 not checked
    ret.Check(1290);
    struct Case {
        const char* date;
        bool blindRate;
    } cases[] = {
        {"31/07/2001", false}, {"01/08/2001", true},  {"31/08/2001", true},
        {"15/10/2001", true},  {"10/12/2001", true},   // Sam is the partner
        {"20/12/2001", false},                         // Sam's row, but no longer the partner
        {"15/02/2002", true},                          // blank recipient, no partner
        {"11/02/2002", false},                         // blank recipient, Sam is the partner
        {"15/03/2002", false},                         // a row without start never counts
    };
    for (const auto& c : cases)
        EXPECT_EQ(BlindRateAtDate(store, Dmy(c.date)), c.blindRate) << c.date;
}

struct AwayCase {
    const char* what;
    Rows table;
    const char* date;
    bool away;
};

TEST(AwayOver26Weeks, JudgesTheLatestLongAbsenceAndItsChain) {
    const AwayCase cases[] = {
        // Away from 1 March 2001 until the year's end: 1 December 2001 - 182 = 2 June 2001 is
        // later than 2 March; 1 July 2001 - 182 = 31 December 2000 is not.
        {"open absence", {{"01/03/2001", ""}}, "01/12/2001", true},
        {"open absence", {{"01/03/2001", ""}}, "01/07/2001", false},
        // 31 August 2001 - 182 = 2 March 2001, not later than departure + 1.
        {"26 weeks boundary", {{"01/03/2001", ""}}, "31/08/2001", false},
        {"26 weeks boundary", {{"01/03/2001", ""}}, "01/09/2001", true},
        // Back on 1 August: not away on the 15th, whatever came before.
        {"returned", {{"01/01/2001", "01/08/2001"}}, "15/08/2001", false},
        // Absence A 01/01/2001..20/07/2001 (200 days), B 200 days long, x = B's departure + 100.
        // A is chosen; x is past 20/07/2001 + 182 = 18/01/2002, so only the chain keeps it.
        // Home for 100 days: B leaves 28/10/2001, returns 16/05/2002, x = 05/02/2002.
        {"gap of 100 days",
         {{"01/01/2001", "20/07/2001"}, {"28/10/2001", "16/05/2002"}}, "05/02/2002", true},
        // Home for 182 days: B leaves 18/01/2002 (= 18/01/2002, within reach), x = 28/04/2002.
        {"gap of 182 days",
         {{"01/01/2001", "20/07/2001"}, {"18/01/2002", "06/08/2002"}}, "28/04/2002", true},
        // Home for 183 days: B leaves 19/01/2002, x = 29/04/2002: the chain breaks.
        {"gap of 183 days",
         {{"01/01/2001", "20/07/2001"}, {"19/01/2002", "07/08/2002"}}, "29/04/2002", false},
        // Unreadable cells drop their row; here the only row.
        {"unreadable return", {{"01/03/2001", "31/13/2001"}}, "01/12/2001", false},
        {"blank departure", {{"", ""}}, "01/12/2001", false},
        // A return before its departure cannot move the chain back: R1 is chosen (ends
        // 01/01/2001, x is past 02/07/2001); the chain takes R2 (c = 01/02/2001), then R2 again
        // would not move c forward, so it stops: x > 01/02/2001 + 182 = 02/08/2001.
        {"damaged chain",
         {{"01/01/2000", "01/01/2001"}, {"01/06/2001", "01/02/2001"}, {"10/06/2001", ""}},
         "01/09/2001", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AwayOver26Weeks(Cells(c.table), Dmy(c.date)), c.away)
            << c.what << " on " << c.date;
}

TEST(AwayThreeYears, NeedsThreeCalendarYearsCountedFromJuly1997) {
    const AwayCase cases[] = {
        {"three years to the day", {{"01/07/1998", ""}}, "01/07/2001", true},
        {"a day short", {{"01/07/1998", ""}}, "30/06/2001", false},
        // Counted from 1 July 1997: back on 15 July 2000 is three years; x must lie within
        // 182 days of the return (15/07/2000 + 182 = 13/01/2001).
        {"moved to 1997", {{"01/01/1990", "15/07/2000"}}, "13/01/2001", true},
        {"moved to 1997", {{"01/01/1990", "15/07/2000"}}, "14/01/2001", false},
        // From 1 July 1997 to 30 June 2000 is a day short of three years.
        {"moved to 1997, short", {{"01/01/1990", "30/06/2000"}}, "01/07/2000", false},
        // Three years ending 01/07/2000, then away again from 01/12/2000 within 182 days: the
        // chain runs to 30/06/2002, so 01/02/2002 still counts.
        {"chain", {{"01/07/1997", "01/07/2000"}, {"01/12/2000", ""}}, "01/02/2002", true},
        {"no chain", {{"01/07/1997", "01/07/2000"}}, "01/02/2002", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AwayThreeYears(Cells(c.table), Dmy(c.date)), c.away)
            << c.what << " on " << c.date;
}

TEST_F(CalendarTest, ClaimantDepartedBeforeNeedsTheFlagAndAnOpenDeparture) {
    ret.Table(1249, {{"01/01/2002", "15/01/2002"}, {"01/03/2002", ""}});
    EXPECT_FALSE(ClaimantDepartedBefore(store, Dmy("02/03/2002")));
    ret.Check(1289);
    EXPECT_FALSE(ClaimantDepartedBefore(store, Dmy("01/03/2002")));
    EXPECT_TRUE(ClaimantDepartedBefore(store, Dmy("02/03/2002")));
}

struct StateCase {
    const char* date;
    bool on;
};

TEST_F(CalendarTest, AnOnEventCountsFromItsDayAndAnOffEventFromTheNextDay) {
    const int child = ret.AddDependant(Dependant("Ann", "01/01/1995")
                                           .Amount(731, 1)
                                           .Table(732, {{"01/08/2001", kWentAbsent, ""},
                                                        {"01/09/2001", kEndAbsence, ""},
                                                        {"01/10/2001", kStartPayment, ""}}));
    const StateCase cases[] = {
        {"31/07/2001", false}, {"01/08/2001", true}, {"01/09/2001", true}, {"02/09/2001", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CircumstanceState(store, child, ciAbsentWithoutConsent, Dmy(c.date)), c.on)
            << c.date;
    // A payment event with its initial answer unanswered changes nothing.
    EXPECT_FALSE(CircumstanceState(store, child, ciPayment, Dmy("15/10/2001")));
}

TEST_F(CalendarTest, RowsDatedOnOrBeforeTheLastAppliedEventAreIgnored) {
    // Initially receiving a payment (2 = Yes). The first row stops it on 1 October; the later
    // row dated 15 September is then ignored, and of two rows of one date only the first counts.
    const int child =
        ret.AddDependant(Dependant("Ann", "01/01/1995")
                             .Amount(730, 2)
                             .Amount(1104, 1)
                             .Table(732, {{"01/10/2001", kStopPayment, ""},
                                          {"15/09/2001", kStartPayment, ""},
                                          {"01/11/2001", kStartScheme, ""},
                                          {"01/11/2001", kStopScheme, ""}}));
    EXPECT_TRUE(CircumstanceState(store, child, ciPayment, Dmy("01/10/2001")));
    EXPECT_FALSE(CircumstanceState(store, child, ciPayment, Dmy("15/10/2001")));
    EXPECT_FALSE(CircumstanceState(store, child, ciSchemePayment, Dmy("31/10/2001")));
    EXPECT_TRUE(CircumstanceState(store, child, ciSchemePayment, Dmy("15/11/2001")));
    EXPECT_FALSE(CircumstanceState(store, child, ciResident, Dmy("15/11/2001")));  // unanswered
}

TEST_F(CalendarTest, FullTimeEducationStopsOnTheDayItCeases) {
    const int studying = ret.AddDependant(
        Dependant("Ann", "01/01/1990").Amount(728, 2).Table(732, {{"01/09/2001", kStopStudy, ""}}));
    EXPECT_TRUE(FullTimeEducationOnDate(store, studying, Dmy("31/08/2001")));
    EXPECT_FALSE(FullTimeEducationOnDate(store, studying, Dmy("01/09/2001")));

    const int unanswered = ret.AddDependant(
        Dependant("Ben", "01/01/1990").Table(732, {{"01/08/2001", kStartStudy, ""}}));
    EXPECT_FALSE(FullTimeEducationOnDate(store, unanswered, Dmy("01/12/2001")));
    EXPECT_FALSE(FullTimeEducationInYear(store, unanswered));

    const int allYear = ret.AddDependant(Dependant("Cat", "01/01/1990")
                                             .Amount(728, 1)
                                             .Check(734)
                                             .Table(732, {{"01/08/2001", kStopStudy, ""}}));
    EXPECT_TRUE(FullTimeEducationOnDate(store, allYear, Dmy("01/12/2001")));
}

TEST_F(CalendarTest, FullTimeEducationInTheYearCountsACommencementWithinTheYear) {
    struct Case {
        const char* commenced;
        bool inYear;
    } cases[] = {{"15/03/2002", true}, {"30/06/2002", true}, {"01/07/2002", false},
                 {"30/06/2001", true}};  // in education on 1 July 2001 already
    for (const auto& c : cases) {
        data::FieldStore s;
        const int child = ReturnBuilder(s).AddDependant(
            Dependant("Ann", "01/01/1990").Amount(728, 1).Table(732, {{c.commenced, kStartStudy, ""}}));
        EXPECT_EQ(FullTimeEducationInYear(s, child), c.inYear) << c.commenced;
    }
    const int studying = ret.AddDependant(Dependant("Ben", "01/01/1990").Amount(728, 2));
    EXPECT_TRUE(FullTimeEducationInYear(store, studying));
}

TEST_F(CalendarTest, SharedCareTakesTheLatestApplicableChange) {
    const Rows changes = {{"01/09/2001", kCareChange, "9"},
                          {"01/08/2001", kCareChange, "30"},  // applies only before 1 September
                          {"01/10/2001", kCareChange, "abc"},  // unreadable: ignored
                          {"01/11/2001", kStopStudy, "70"}};   // not a care change
    const int unknown = ret.AddDependant(Dependant("Ann", "01/01/1995").Table(732, changes));
    const int known =
        ret.AddDependant(Dependant("Ben", "01/01/1995").Amount(727, 60).Table(732, changes));
    EXPECT_EQ(SharedCareOnDate(store, unknown, Dmy("15/09/2001")), -1);
    struct Case {
        const char* date;
        int care;
    } cases[] = {{"31/07/2001", 60}, {"01/08/2001", 30}, {"31/08/2001", 30},
                 {"01/09/2001", 9},  {"15/09/2001", 9},  {"15/11/2001", 9}};
    for (const auto& c : cases) EXPECT_EQ(SharedCareOnDate(store, known, Dmy(c.date)), c.care) << c.date;

    // A typed 0 is the explicit zero: a known care of 0 %. A field holding 0 is not kept.
    const int typedZero = ret.AddDependant(Dependant("Cat", "01/01/1995").Amount(727, data::kExplicitZero));
    const int heldZero = ret.AddDependant(Dependant("Dan", "01/01/1995").Amount(727, 0));
    EXPECT_EQ(SharedCareOnDate(store, typedZero, kYearStart), 0);
    EXPECT_EQ(SharedCareOnDate(store, heldZero, kYearStart), -1);
}

TEST_F(CalendarTest, AbsenceStartIsTheLatestDepartureKnownOnTheDate) {
    const int never = ret.AddDependant(Dependant("Ann", "01/01/1995"));
    EXPECT_EQ(AbsenceStart(store, never, kYearEnd), kNever);
    const int child = ret.AddDependant(Dependant("Ben", "01/01/1995")
                                           .Text(1137, "01/08/2001")
                                           .Table(732, {{"15/07/2001", kWentAbsent, ""},
                                                        {"01/10/2001", kWentAbsent, ""}}));
    EXPECT_EQ(AbsenceStart(store, child, Dmy("15/09/2001")), Dmy("01/08/2001"));
    EXPECT_EQ(AbsenceStart(store, child, Dmy("01/10/2001")), Dmy("01/10/2001"));
    const int unreadable = ret.AddDependant(Dependant("Cat", "01/01/1995").Text(1137, "32/08/2001"));
    EXPECT_EQ(AbsenceStart(store, unreadable, kYearEnd), kNever);
}

TEST_F(CalendarTest, DependantDepartedBeforeTakesTheFirstOpenDeparture) {
    const Rows overseas = {{"01/01/2002", "15/01/2002"}, {"01/03/2002", ""}, {"01/02/2002", ""}};
    const int noFlag = ret.AddDependant(Dependant("Ann", "01/01/1995").Table(747, overseas));
    const int child =
        ret.AddDependant(Dependant("Ben", "01/01/1995").Check(1101).Table(747, overseas));
    EXPECT_FALSE(DependantDepartedBefore(store, noFlag, Dmy("15/03/2002")));
    EXPECT_FALSE(DependantDepartedBefore(store, child, Dmy("15/02/2002")));
    EXPECT_FALSE(DependantDepartedBefore(store, child, Dmy("01/03/2002")));
    EXPECT_TRUE(DependantDepartedBefore(store, child, Dmy("02/03/2002")));
}

TEST_F(CalendarTest, DeathIsTheFirstDeceasedRowAndAnyEarlierRowCounts) {
    const int child = ret.AddDependant(
        Dependant("Ann", "01/01/1995")
            .Table(732, {{"??", "Deceased", ""}, {"01/10/2001", "Deceased", ""},
                         {"01/09/2001", "Deceased", ""}}));
    EXPECT_EQ(DateOfDeath(store, child), Dmy("01/10/2001"));
    EXPECT_FALSE(DeceasedBefore(store, child, Dmy("01/09/2001")));
    EXPECT_TRUE(DeceasedBefore(store, child, Dmy("02/09/2001")));
    const int alive = ret.AddDependant(Dependant("Ben", "01/01/1995"));
    EXPECT_EQ(DateOfDeath(store, alive), kNever);
    EXPECT_FALSE(DeceasedBefore(store, alive, kNever));
}

TEST(DaysAwayCount, CountsWholeDaysFromJuly1998) {
    EXPECT_EQ(DaysAwayCount(Dmy("11/07/1998"), Dmy("01/07/1998")), 9);
    EXPECT_EQ(DaysAwayCount(Dmy("11/07/1998"), Dmy("01/01/1998")), 9);
    EXPECT_EQ(DaysAwayCount(Dmy("31/12/2001"), Dmy("01/07/2001")), 182);  // 183 days apart
}

TEST_F(CalendarTest, ChangeDatesFollowTheOrderOfTheRules) {
    ret.Table(1249, {{"01/03/2001", "15/07/2001"}, {"01/01/2002", "30/06/2002"}});
    ret.Table(1250, {{"Sam", "01/01/2000", "30/06/2002", "50"},
                     {"Single", "01/07/2001", "30/06/2002", ""}});
    ret.Table(1291, {{"You", "01/08/2001", "31/08/2001"}, {"You", "05/05/2002", ""}});
    ret.AddDependant(Dependant("Ann", "29/02/2000")
                         .Table(732, {{"10/10/2001", kWentAbsent, ""},
                                      {"01/11/2001", "Deceased", ""},
                                      {"05/11/2001", kStopStudy, ""},
                                      {"06/11/2001", kCareChange, "50"},
                                      {"xx/10/2001", "Deceased", ""}}));
    ret.AddDependant(Dependant("Ben", "10/12/1995")
                         .Table(747, {{"01/10/2001", "15/10/2001"}, {"30/06/2002", ""}}));
    ret.AddDependant(Dependant("Cat", "10/03/1996"));
    ret.AddDependant(Dependant("Dan", "31/02/1996")
                         .Table(732, {{"15/05/2002", kStopScheme, ""}}));
    const std::vector<const char*> expected = {
        "01/07/2001",
        // Claimant overseas: 01/03/2001 + 1 lies outside the year, + 183 is 31/08/2001;
        // 15/07/2001 gives 16/07/2001 and 14/01/2002; 01/01/2002 gives 02/01/2002 (03/07/2002
        // is outside); 30/06/2002 gives nothing.
        "31/08/2001", "16/07/2001", "14/01/2002", "02/01/2002",
        // Marital starts (01/07/2001 is already there), blind-rate start and end + 1.
        "01/01/2000", "01/08/2001", "01/09/2001",
        // Ann: birthday 29 February -> 01/03/2002; absent 10/10/2001 and + 98 = 16/01/2002;
        // died 01/11/2001: + 1 and + 98 = 07/02/2002; ceased study + 1 = 06/11/2001, which the
        // care change of 06/11/2001 repeats.
        "01/03/2002", "10/10/2001", "16/01/2002", "02/11/2001", "07/02/2002", "06/11/2001",
        // Ben: overseas 01/10/2001 -> 02/10/2001, 02/04/2002; 15/10/2001 -> 16/10/2001,
        // 16/04/2002; then the birthday 10/12/2001.
        "02/10/2001", "02/04/2002", "16/10/2001", "16/04/2002", "10/12/2001",
        // Cat's birthday; Dan has no readable birth date, his event gives 16/05/2002.
        "10/03/2002", "16/05/2002",
    };
    EXPECT_EQ(Texts(ChangeDates(store)), std::vector<std::string>(expected.begin(), expected.end()));
}

TEST_F(CalendarTest, DamagedTablesAreReadWithoutFailing) {
    // A trailing row with missing cells, cells that are no dates, a text where a table belongs.
    store.SetFieldLst(1250, {"Sam", "01/07/2001"});
    store.SetFieldLst(1249, {"01/08/2001", "garbage", "01/09/2001"});
    ret.AddSpouse(WorksheetBuilder("Sam"));
    ret.Text(1266, "not a table");
    const int child = ret.AddDependant(WorksheetBuilder().Text(713, "yesterday")
                                           .Table(732, {{"01/08/2001", kCareChange}}));
    EXPECT_EQ(PartnerAtDate(store, kYearStart), kNone);
    EXPECT_TRUE(ResidentAtDate(store, kYearStart));
    EXPECT_FALSE(AwayOver26Weeks(ClaimantOverseas(store), kYearEnd));
    EXPECT_FALSE(DateOfBirth(store, child).has_value());
    EXPECT_EQ(SharedCareOnDate(store, child, kYearEnd), -1);
    // Only the readable departure of the claimant's first row adds dates: 02/08/2001 and
    // 02/08/2001 + 182 = 31/01/2002.
    EXPECT_EQ(Texts(ChangeDates(store)),
              (std::vector<std::string>{"01/07/2001", "02/08/2001", "31/01/2002"}));
}

}  // namespace
}  // namespace ftb::assessment
