#include "assessment/ChangeTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assessment/Calendar.h"

namespace ftb::assessment {
namespace {

const std::string kStartStudy = "Commenced or resumed full time education";
const std::string kStopStudy = "Ceased full time education";
const std::string kStartPayment =
    "Commenced receiving pension / benefit / payment under labour market program";
const std::string kStopPayment =
    "Ceased receiving pension / benefit / payment under labour market program";
const std::string kWentAbsent = "Went absent without claimant's consent";
const std::string kEndAbsence = "End of period of absence without consent";
const std::string kLeftResidency =
    "Ceased being an Australian resident / ceased living with the claimant";
const std::string kGainedResidency =
    "Gained Australian residency for social security purposes / began living with the claimant";
const std::string kStartScheme = "Commenced receiving payments under a prescribed education scheme";
const std::string kStopScheme = "Ceased receiving payments under a prescribed education scheme";
const std::string kCare = "Change of shared care %";
const std::string kDead = "Deceased";

const std::string kDeathMessage =
    "You have recorded dependant change of circumstances after \t\rthe date of the dependant's "
    "death.\t\rThese changes will be ignored by Ledgra.";

std::string Redundancy(const std::string& redundant, const std::string& expected) {
    return "The changes you have made have caused some changes in circumstance to become "
           "redundant.\rThat is " +
           redundant + " has been entered twice without a " + expected +
           " event being entered in between them. The redundant row will now be deleted.";
}
std::string Duplicate(const std::string& event, const std::string& date) {
    return "There are two identical events (" + event + ") occurring on the same day (" + date +
           "). One of these events will now be deleted.";
}
std::string Opposites(const std::string& kept, const std::string& deleted,
                      const std::string& date) {
    return "Opposite change of circumstance events are not permitted to be entered for the same "
           "day.As you have recorded opposite events (" +
           kept + "," + deleted + ") occurring on the same day (" + date + ").\"" + deleted +
           "\" will now be deleted.You should update the change of circumstance table to ensure "
           "the event you record for " +
           date + " is the latest event that occurred on that day.";
}
std::string CareRefused(const std::string& earlier) {
    return "You can only change this value when the event you have just entered is Change of "
           "shared care %. This value has been changed back to " +
           earlier;
}

// Not studying, no payment, not absent, resident, no scheme payment; fully in care.
TInitialCircumstances Child(std::string care = "100") {
    TInitialCircumstances initial;
    initial.answers = {0, 1, 1, 1, 2, 1};
    initial.care = std::move(care);
    return initial;
}

TRowProcessing GridDisabled() {
    TRowProcessing options;
    options.gridEnabled = false;
    return options;
}
// The row's "% Care" cell is the cell left; it held `entered` when it was entered.
TRowProcessing CareTyped(std::string entered) {
    TRowProcessing options;
    options.enteredCare = std::move(entered);
    return options;
}

TChangeBox Info(std::string text) { return {cbInformation, std::move(text)}; }
TChangeBox Err(std::string text) { return {cbError, std::move(text)}; }

// ---------------------------------------------------------------------------------------------
// The events offered at a row

struct OfferCase {
    const char* name;
    TInitialCircumstances initial;
    TChangeTable table;
    std::size_t row;
    std::vector<std::string> offered;
};

const std::vector<std::string> kBase = {kStartStudy,   kStartPayment,  kStartScheme, kWentAbsent,
                                        kLeftResidency, kCare,          kDead};

std::vector<std::string> Replaced(std::vector<std::string> list, const std::string& from,
                                  const std::string& to) {
    for (std::string& item : list)
        if (item == from) item = to;
    return list;
}

TInitialCircumstances AllOn() {
    TInitialCircumstances initial = Child();
    initial.answers = {0, 2, 2, 2, 2, 2};
    return initial;
}

TInitialCircumstances StudiedAllYear() {
    TInitialCircumstances initial = Child();
    initial.answers[ciEducation] = 2;
    initial.studyAllYear = true;
    return initial;
}

class EventsOfferedTest : public ::testing::TestWithParam<OfferCase> {};

TEST_P(EventsOfferedTest, OffersTheEventsThatMakeSenseOnTheRowsDate) {
    const OfferCase& c = GetParam();
    const TEventOffer offer = EventsOffered(c.table, c.row, c.initial);
    EXPECT_EQ(offer.events, c.offered);
    EXPECT_TRUE(offer.outcome.boxes.empty());
    EXPECT_EQ(offer.outcome.table, c.table);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EventsOfferedTest,
    ::testing::Values(
        OfferCase{"NewRow", Child(), {{"1/02/2002", "", ""}}, 0, kBase},
        OfferCase{"EveryStateOn",
                  AllOn(),
                  {{"1/02/2002", "", ""}},
                  0,
                  {kStopStudy, kStopPayment, kStopScheme, kEndAbsence, kLeftResidency, kCare,
                   kDead}},
        OfferCase{"UnansweredOffersTheOnForm",
                  [] {
                      TInitialCircumstances initial = Child();
                      initial.answers[ciResident] = 0;
                      return initial;
                  }(),
                  {{"1/02/2002", "", ""}},
                  0,
                  Replaced(kBase, kLeftResidency, kGainedResidency)},
        OfferCase{"AfterAStartOfStudy",
                  Child(),
                  {{"01/02/2002", kStartStudy, "100"}, {"01/03/2002", "", ""}},
                  1,
                  Replaced(kBase, kStartStudy, kStopStudy)},
        OfferCase{"OnTheSameDateAsAStartOfStudy",
                  Child(),
                  {{"01/02/2002", kStartStudy, "100"}, {"01/02/2002", "", ""}},
                  1,
                  Replaced(kBase, kStartStudy, kStopStudy)},
        OfferCase{"ALaterRowIsNotApplied",
                  Child(),
                  {{"01/03/2002", kStartStudy, "100"}, {"01/02/2002", "", ""}},
                  1,
                  kBase},
        OfferCase{"EarlierRowsAppliedInDateOrder",
                  Child(),
                  {{"01/12/2001", kStopStudy, "100"},
                   {"01/10/2001", kStartStudy, "100"},
                   {"01/03/2002", "", ""}},
                  2,
                  kBase},
        OfferCase{"WholeYearStudyOffersNoStudyEvent",
                  StudiedAllYear(),
                  {{"1/02/2002", "", ""}},
                  0,
                  {kStartPayment, kStartScheme, kWentAbsent, kLeftResidency, kCare, kDead}},
        OfferCase{"UndatedRowOffersNothing", Child(), {{"", "", ""}}, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EventsOffered, AnEventWithoutADateIsEmptiedWithAPlainBox) {
    const TEventOffer offer = EventsOffered({{"", kDead, "100"}}, 0, Child());
    EXPECT_TRUE(offer.events.empty());
    ASSERT_EQ(offer.outcome.boxes.size(), 1u);
    EXPECT_EQ(offer.outcome.boxes[0].kind, cbPlain);
    EXPECT_EQ(offer.outcome.boxes[0].text,
              "You can not enter a value unless a date is entered in the left column");
    EXPECT_EQ(offer.outcome.table, (TChangeTable{{"", "", "100"}}));
}

// ---------------------------------------------------------------------------------------------
// The processing of a row

struct ProcessCase {
    const char* name;
    TInitialCircumstances initial;
    TChangeTable before;
    std::size_t row;
    TRowProcessing options;
    TChangeTable after;
    std::vector<TChangeBox> boxes;
};

class ProcessRowTest : public ::testing::TestWithParam<ProcessCase> {};

TEST_P(ProcessRowTest, GivesTheConsistentTableAndTheBoxesInOrder) {
    const ProcessCase& c = GetParam();
    const TChangeOutcome outcome = ProcessRow(c.before, c.row, c.initial, c.options);
    EXPECT_EQ(outcome.table, c.after);
    EXPECT_EQ(outcome.boxes, c.boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProcessRowTest,
    ::testing::Values(
        ProcessCase{"TwoAbsencesWithoutAnEndBetween",
                    Child(),
                    {{"01/09/2001", kWentAbsent, "100"},
                     {"01/12/2001", kWentAbsent, "100"},
                     {"01/11/2001", kStartStudy, "100"}},
                    1,
                    {},
                    {{"01/09/2001", kWentAbsent, "100"}, {"01/11/2001", kStartStudy, "100"}},
                    {Info(Redundancy(kWentAbsent, kEndAbsence))}},
        ProcessCase{"AnEndBetweenKeepsBothAbsences",
                    Child(),
                    {{"01/12/2001", kWentAbsent, "100"},
                     {"01/10/2001", kEndAbsence, "100"},
                     {"01/09/2001", kWentAbsent, "100"}},
                    0,
                    {},
                    {{"01/09/2001", kWentAbsent, "100"},
                     {"01/10/2001", kEndAbsence, "100"},
                     {"01/12/2001", kWentAbsent, "100"}},
                    {}},
        ProcessCase{"AnEventBackToTheInitialStateIsRedundant",
                    Child(),
                    {{"01/09/2001", kGainedResidency, "100"}},
                    0,
                    {},
                    {},
                    {Info(Redundancy(kGainedResidency, kLeftResidency))}},
        ProcessCase{"ARedundantRowAndItsTwinOfTheSameDateBothGo",
                    Child(),
                    {{"01/09/2001", kGainedResidency, "100"},
                     {"01/09/2001", kGainedResidency, "100"}},
                    0,
                    {},
                    {},
                    {Info(Redundancy(kGainedResidency, kLeftResidency)),
                     Info(Redundancy(kGainedResidency, kLeftResidency))}},
        ProcessCase{"NoRedundancyWhileTheGridIsDisabled",
                    Child(),
                    {{"01/09/2001", kGainedResidency, "100"}},
                    0,
                    GridDisabled(),
                    {{"01/09/2001", kGainedResidency, "100"}},
                    {}},
        ProcessCase{"AnUnansweredStateHasNoRedundantEvent",
                    [] {
                        TInitialCircumstances initial = Child();
                        initial.answers[ciResident] = 0;
                        return initial;
                    }(),
                    {{"01/09/2001", kGainedResidency, "100"}},
                    0,
                    {},
                    {{"01/09/2001", kGainedResidency, "100"}},
                    {}},
        ProcessCase{"SameDayOpposites",
                    Child(),
                    {{"01/03/2002", kStartScheme, "100"}, {"01/03/2002", kStopScheme, "100"}},
                    0,
                    {},
                    {{"01/03/2002", kStartScheme, "100"}},
                    {Info(Opposites(kStartScheme, kStopScheme, "01/03/2002"))}},
        ProcessCase{"SameDayDuplicates",
                    Child(),
                    {{"01/03/2002", kCare, "40"}, {"01/03/2002", kCare, "60"}},
                    1,
                    {},
                    {{"01/03/2002", kCare, "40"}},
                    {Info(Duplicate(kCare, "01/03/2002"))}},
        ProcessCase{"RepeatedUntilNothingIsDeleted",
                    Child(),
                    {{"01/03/2002", kDead, "100"},
                     {"01/03/2002", kStartScheme, "100"},
                     {"01/03/2002", kStopScheme, "100"},
                     {"01/03/2002", kStartScheme, "100"}},
                    1,
                    {},
                    {{"01/03/2002", kDead, "100"}, {"01/03/2002", kStartScheme, "100"}},
                    {Info(Opposites(kStartScheme, kStopScheme, "01/03/2002")),
                     Info(Duplicate(kStartScheme, "01/03/2002"))}},
        ProcessCase{"CareCarriedUntilTheNextChange",
                    Child(),
                    {{"01/10/2001", kCare, "40"},
                     {"01/11/2001", kStartStudy, ""},
                     {"01/02/2002", kCare, "70"},
                     {"01/03/2002", kWentAbsent, "40"},
                     {"01/08/2001", kStartPayment, ""}},
                    0,
                    {},
                    {{"01/08/2001", kStartPayment, "100"},
                     {"01/10/2001", kCare, "40"},
                     {"01/11/2001", kStartStudy, "40"},
                     {"01/02/2002", kCare, "70"},
                     {"01/03/2002", kWentAbsent, "70"}},
                    {}},
        ProcessCase{"AChangeGoesFirstAmongItsDate",
                    Child(),
                    {{"01/10/2001", kStartStudy, ""}, {"01/10/2001", kCare, "40"}},
                    0,
                    {},
                    {{"01/10/2001", kStartStudy, "40"}, {"01/10/2001", kCare, "40"}},
                    {}},
        ProcessCase{"PercentageTypedIntoAResidencyRow",
                    Child(),
                    {{"01/10/2001", kCare, "40"}, {"01/11/2001", kLeftResidency, "70"}},
                    1,
                    CareTyped("40"),
                    {{"01/10/2001", kCare, "40"}, {"01/11/2001", kLeftResidency, "40"}},
                    {Err(CareRefused("40"))}},
        ProcessCase{"DeathThenALaterEvent",
                    Child(),
                    {{"01/04/2002", kStartStudy, "100"}, {"01/03/2002", kDead, "100"}},
                    0,
                    {},
                    {{"01/03/2002", kDead, "100"}, {"01/04/2002", kStartStudy, "100"}},
                    {Err(kDeathMessage)}},
        ProcessCase{"SortKeepsTheOrderOfEqualDatesAndPutsUndatedRowsLast",
                    Child(),
                    {{"", "", ""},
                     {"01/12/2001", kStartStudy, "100"},
                     {"01/10/2001", kStartPayment, "100"},
                     {"01/10/2001", kWentAbsent, "100"}},
                    1,
                    {},
                    {{"01/10/2001", kStartPayment, "100"},
                     {"01/10/2001", kWentAbsent, "100"},
                     {"01/12/2001", kStartStudy, "100"},
                     {"", "", ""}},
                    {}},
        ProcessCase{"ARowWithoutAnEventIsLeftAlone",
                    Child(),
                    {{"01/12/2001", "", ""}, {"01/10/2001", kStartPayment, "55"}},
                    0,
                    {},
                    {{"01/12/2001", "", ""}, {"01/10/2001", kStartPayment, "55"}},
                    {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProcessRow, ARowThatDeletesItselfIsNotJudgedAfterwards) {
    // The row left is the redundant second absence, with a percentage typed into it: it goes,
    // and no message speaks of its percentage.
    const TChangeOutcome outcome =
        ProcessRow({{"01/09/2001", kWentAbsent, "100"}, {"01/12/2001", kWentAbsent, "70"}}, 1,
                   Child(), CareTyped("100"));
    EXPECT_EQ(outcome.table, (TChangeTable{{"01/09/2001", kWentAbsent, "100"}}));
    EXPECT_EQ(outcome.boxes,
              (std::vector<TChangeBox>{Info(Redundancy(kWentAbsent, kEndAbsence))}));
}

TEST(ProcessRow, OnlyTheRowTypedIntoSpeaksOfItsPercentage) {
    // A change row deleted without processing leaves a later row with the old percentage: the
    // next processing corrects it silently, and the row typed into keeps its own message.
    const TChangeOutcome outcome =
        ProcessRow({{"01/11/2001", kStartStudy, "40"}, {"01/12/2001", kWentAbsent, "70"}}, 1,
                   Child(), CareTyped("100"));
    EXPECT_EQ(outcome.table, (TChangeTable{{"01/11/2001", kStartStudy, "100"},
                                           {"01/12/2001", kWentAbsent, "100"}}));
    EXPECT_EQ(outcome.boxes, (std::vector<TChangeBox>{Err(CareRefused("100"))}));
}

TEST(ProcessEveryRow, WarnsOfEventsAfterADeathOnce) {
    const TChangeOutcome outcome = ProcessEveryRow({{"01/03/2002", kDead, "100"},
                                                    {"01/04/2002", kStartStudy, "100"},
                                                    {"01/05/2002", kWentAbsent, "100"}},
                                                   Child(), true);
    EXPECT_EQ(outcome.table.size(), 3u);
    EXPECT_EQ(outcome.boxes, (std::vector<TChangeBox>{Err(kDeathMessage)}));
}

TEST(CarryCare, RefreshesThePercentagesWithoutAMessage) {
    EXPECT_EQ(CarryCare({{"01/11/2001", kStartStudy, "70"}, {"01/10/2001", kCare, "40"},
                         {"", "", ""}},
                        "100"),
              (TChangeTable{{"01/11/2001", kStartStudy, "40"},
                            {"01/10/2001", kCare, "40"},
                            {"", "", ""}}));
}

// ---------------------------------------------------------------------------------------------
// Status lines and dates

TEST(StatusLines, DescribeEachInitialCircumstanceWithTheBullet) {
    TInitialCircumstances initial = Child("35");
    initial.answers[ciPayment] = 2;
    EXPECT_EQ(StatusLines(initial),
              "\r\n<X0>\x95<X10>In shared care (shared care % = 35)"
              "\r\n<X0>\x95<X10>Not enrolled in full time education"
              "\r\n<X0>\x95<X10>Receiving a pension / benefit / payment under labour market "
              "program"
              "\r\n<X0>\x95<X10>Not receiving payments under a prescribed education scheme"
              "\r\n<X0>\x95<X10>Not absent without consent"
              "\r\n<X0>\x95<X10>Australian resident for social security purposes or living with "
              "the claimant");
}

TEST(StatusLines, FullCareNoCareAndStudyForTheWholeYear) {
    const std::string rest =
        "\r\n<X0>\x95<X10>Enrolled and remained enrolled in full time education for whole income "
        "year"
        "\r\n<X0>\x95<X10>Not receiving a pension / benefit / payment under labour market program"
        "\r\n<X0>\x95<X10>Not receiving payments under a prescribed education scheme"
        "\r\n<X0>\x95<X10>Not absent without consent"
        "\r\n<X0>\x95<X10>Australian resident for social security purposes or living with the "
        "claimant";
    TInitialCircumstances initial = StudiedAllYear();
    EXPECT_EQ(StatusLines(initial),
              "\r\n<X0>\x95<X10>Fully in your care (shared care % = 100)" + rest);
    initial.care = "0";
    EXPECT_EQ(StatusLines(initial), "\r\n<X0>\x95<X10>Not in your care (shared care % = 0)" + rest);
}

TEST(ChangeDates, TheFirstAllowedDayFollowsDayZero) {
    const data::Date born1995 = *data::ParseDate("03/04/1995");
    const data::Date born2002 = *data::ParseDate("10/03/2002");
    EXPECT_EQ(DayZero(born1995), kYearStart);
    EXPECT_EQ(DayZero(born2002), born2002);
    EXPECT_EQ(DayZero(std::nullopt), kYearStart);
    EXPECT_FALSE(ChangeDateAllowed(*data::ParseDate("1/07/2001"), DayZero(born1995)));
    EXPECT_TRUE(ChangeDateAllowed(*data::ParseDate("2/07/2001"), DayZero(born1995)));
    EXPECT_TRUE(ChangeDateAllowed(kYearEnd, DayZero(born1995)));
    EXPECT_FALSE(ChangeDateAllowed(*data::ParseDate("1/07/2002"), DayZero(born1995)));
    EXPECT_FALSE(ChangeDateAllowed(born2002, DayZero(born2002)));
}

}  // namespace
}  // namespace ftb::assessment
