#include "assessment/Completion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "data/Ext80.h"
#include "platform/RecordingDialogs.h"
#include "support/IntegrityFixtures.h"

namespace ftb::assessment {

// Lets a failing comparison show the findings.
void PrintTo(const Warning& w, std::ostream* out) {
    *out << "(" << w.screenIndex << ", " << w.worksheetIndex << ", " << w.message << ")";
}

namespace {

using data::FieldStore;
using data::TextList;
using test_support::AnsweredDependant;
using test_support::Dependant;
using test_support::WorksheetBuilder;

constexpr long double kZero = data::kExplicitZero;
const std::string kAgeMissing = "Dependant age missing";
const std::string kIncomeMissing = "Dependant ATI details missing";
const std::string kCircumstances = "Dependant circumstance data incomplete";
const std::string kDatesWrong = "Missing or overlapping dates in marital status table";

int AddSpouse(FieldStore& store, const std::string& name, bool maintenanceDone = false) {
    WorksheetBuilder spouse(name);
    if (maintenanceDone) spouse.Check(1106);
    return spouse.AppendTo(store, data::kSpouseList);
}

int Add(FieldStore& store, const WorksheetBuilder& dependant) {
    return dependant.AppendTo(store, data::kDependantList);
}

// A dependant whose maintenance questions are finished, so that only the checks of its details
// can report it.
int AddFinished(FieldStore& store, WorksheetBuilder dependant) {
    return Add(store, dependant.Check(1106));
}

// A return with nothing to report: no spouse during the year, no maintenance payers.
FieldStore QuietReturn() {
    FieldStore store;
    store.SetFieldStr(1269, "0");
    store.SetFieldChecked(1265);
    return store;
}

std::vector<Warning> Check(const FieldStore& store) {
    platform::RecordingDialogs dialogs;
    TextList lines;
    const bool complete = RunCompletionChecks(store, dialogs, lines);
    EXPECT_EQ(complete, lines.empty());
    EXPECT_EQ(lines.size() % 3, 0u);
    return WarningsFromLines(lines);
}

// Stores an amount in a worksheet as a damaged return may hold it, bypassing the rule that a
// worksheet keeps no zero.
void PutRawAmount(FieldStore& store, int list, int index, int field, long double value) {
    data::WorksheetEntry entry;
    entry.worksheet = static_cast<std::uint16_t>(index + 1);
    entry.field = field;
    entry.slot.kind = data::fkDollars;
    entry.slot.payload = data::EncodeExt80(value);
    store.GetWorksheetList(list)->push_back(std::move(entry));
}

TEST(RunCompletionChecks, WritesThreeLinesPerFindingInCheckOrderAfterWhatTheListHeld) {
    FieldStore store;
    store.SetFieldStr(1269, "1");  // a spouse during the year, and no marital table
    AddSpouse(store, "Ann Lee");
    Add(store, WorksheetBuilder("Kim"));
    Add(store, AnsweredDependant("Lou", "15/03/1991", kZero, {724}));  // one income amount
    Add(store, AnsweredDependant("Max", "15/03/1989", kZero, {731}));  // one circumstance
    store.SetFieldLst(1264, {"Joe Payer"});
    platform::RecordingDialogs dialogs;
    TextList lines{"58", "-1", "listed before"};

    EXPECT_FALSE(RunCompletionChecks(store, dialogs, lines));

    EXPECT_EQ(lines, (TextList{"58", "-1", "listed before",
                               "21", "-1", "Family circumstance period table needs to be completed",
                               "27", "0", kAgeMissing,
                               "30", "1", kIncomeMissing,
                               "32", "2", kCircumstances,
                               "51", "-1", "Dependant maintenance information required",
                               "43", "-1", "Spousal maintenance information required"}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(RunCompletionChecks, QuietReturnIsComplete) {
    TextList lines;
    platform::RecordingDialogs dialogs;
    EXPECT_TRUE(RunCompletionChecks(QuietReturn(), dialogs, lines));
    EXPECT_TRUE(lines.empty());
}

// --- marital status table -------------------------------------------------------------------

TEST(RunCompletionChecks, MaritalStatusTable) {
    const TextList halves{"Ann Lee", "01/07/2001", "31/12/2001", "",
                          "Single",  "01/01/2002", "30/06/2002", ""};
    struct Case {
        const char* what;
        const char* hadSpouse;
        bool oneSpouseAllYear;  // 1255 and 1275 checked
        bool notBlended;        // 1256 checked
        std::optional<TextList> table;
        std::vector<Warning> expected;
    } cases[] = {
        {"no spouse during the year", "0", false, false, TextList{"x"}, {}},
        {"question not answered", "", false, false, std::nullopt, {}},
        {"one spouse all year needs no table", "1", true, true, std::nullopt, {}},
        {"blended family needs the table", "1", true, false, std::nullopt,
         {{21, -1, "Family circumstance period table needs to be completed"}}},
        {"two halves cover the year once", "1", false, false, halves, {}},
        {"1 January 2002 uncovered", "1", false, false,
         TextList{"Ann Lee", "01/07/2001", "31/12/2001", "", "Single", "02/01/2002", "30/06/2002",
                  ""},
         {{21, 1, kDatesWrong}}},
        {"31 December 2001 covered twice", "1", false, false,
         TextList{"Ann Lee", "01/07/2001", "31/12/2001", "", "Single", "31/12/2001", "30/06/2002",
                  ""},
         {{21, 1, kDatesWrong}}},
        {"30 June 2002 uncovered", "1", false, false,
         TextList{"Ann Lee", "01/07/2001", "29/06/2002", ""}, {{21, 1, kDatesWrong}}},
        {"a row reaching past the year counts inside it", "1", false, false,
         TextList{"Ann Lee", "01/01/2000", "31/12/2003", ""}, {}},
        {"a row without an end is not counted", "1", false, false,
         TextList{"Ann Lee", "01/07/2001", "", "", "Single", "01/07/2001", "30/06/2002", ""}, {}},
        {"a row without a start leaves its days uncovered", "1", false, false,
         TextList{"Ann Lee", "", "31/12/2001", "", "Single", "01/01/2002", "30/06/2002", ""},
         {{21, 1, kDatesWrong}}},
        {"name differing by case", "1", false, false,
         TextList{"ann lee", "01/07/2001", "30/06/2002", ""},
         {{21, 0, "Ann Lee Not in marital status table"}}},
        {"name with an extra space", "1", false, false,
         TextList{"Ann Lee ", "01/07/2001", "30/06/2002", ""},
         {{21, 0, "Ann Lee Not in marital status table"}}},
        {"empty table", "1", false, false, TextList{},
         {{21, 0, "Ann Lee Not in marital status table"}, {21, 1, kDatesWrong}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FieldStore store = QuietReturn();
        store.SetFieldStr(1269, c.hadSpouse);
        if (c.oneSpouseAllYear) {
            store.SetFieldChecked(1255);
            store.SetFieldChecked(1275);
        }
        if (c.notBlended) store.SetFieldChecked(1256);
        if (c.table) store.SetFieldLst(1250, *c.table);
        AddSpouse(store, "Ann Lee");
        EXPECT_EQ(Check(store), c.expected);
    }
}

TEST(RunCompletionChecks, EverySpouseMissingFromTheTableIsNamedBeforeTheDateFinding) {
    FieldStore store = QuietReturn();
    store.SetFieldStr(1269, "1");
    AddSpouse(store, "Ann Lee");
    AddSpouse(store, "Bob Ray");
    AddSpouse(store, "Cy Tan");
    store.SetFieldLst(1250, {"Bob Ray", "01/07/2001", "30/09/2001", "", "Single", "01/10/2001",
                             "30/06/2002", "", "Bob Ray", "01/05/2002", "30/06/2002", ""});
    EXPECT_EQ(Check(store), (std::vector<Warning>{{21, 0, "Ann Lee Not in marital status table"},
                                                  {21, 2, "Cy Tan Not in marital status table"},
                                                  {21, 1, kDatesWrong}}));
}

// --- dependants -----------------------------------------------------------------------------

// Born on 15 March of the year, the age on 1 July 2001 is 2001 minus the year.
std::string BornAged(int age) { return "15/03/" + std::to_string(2001 - age); }

TEST(RunCompletionChecks, IncomeDetailsAreRequiredByAgeAndStudy) {
    struct Case {
        std::string birth;
        bool studyingAllYear;
        bool required;
    } cases[] = {
        {"01/03/2002", false, false},  // born during the year: age -1
        {"02/07/1996", false, false},  // 4, a day short of 5
        {"01/07/1996", false, true},   // 5 on 1 July 2001
        {BornAged(10), false, true},   {BornAged(10), true, false},
        {BornAged(15), true, false},   {BornAged(16), true, true},
        {BornAged(19), true, true},    {BornAged(25), false, true},
        {BornAged(26), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.birth + (c.studyingAllYear ? " studying" : ""));
        FieldStore store = QuietReturn();
        auto kim = AnsweredDependant("Kim", c.birth, kZero, {718, 719, 720, 723, 724, 725});
        if (c.studyingAllYear) kim.Check(734);
        AddFinished(store, kim);
        std::vector<Warning> expected;
        if (c.required) expected.push_back({30, 0, kIncomeMissing});
        EXPECT_EQ(Check(store), expected);
    }
}

TEST(RunCompletionChecks, IncomeTypedAsZeroIsPresentButAStoredZeroIsMissing) {
    FieldStore store = QuietReturn();
    AddFinished(store, AnsweredDependant("Kim", BornAged(10), kZero));  // all six typed as 0
    EXPECT_EQ(Check(store), std::vector<Warning>{});

    const int lou = AddFinished(store, AnsweredDependant("Lou", BornAged(10), kZero, {719}));
    PutRawAmount(store, data::kDependantList, lou, 719, 0);
    EXPECT_EQ(Check(store), (std::vector<Warning>{{30, 1, kIncomeMissing}}));
}

TEST(RunCompletionChecks, CircumstancesAreCheckedByAgeAndDependantIncome) {
    struct Case {
        std::string birth;
        long double taxableIncome;
        bool checked;
    } cases[] = {
        {BornAged(17), 8079, true},     {BornAged(17), 8080, false},
        {BornAged(17), 8079.49L, true},  // rounds to 8079
        {BornAged(17), 8079.5L, false},  // rounds to the even 8080
        {BornAged(12), 50000, true},    {BornAged(15), 8080, true},
        {BornAged(16), 8080, false},    {BornAged(25), kZero, true},
        {BornAged(26), kZero, false},   {"01/03/2002", kZero, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.birth + " " + std::to_string(static_cast<double>(c.taxableIncome)));
        FieldStore store = QuietReturn();
        AddFinished(store, AnsweredDependant("Kim", c.birth, c.taxableIncome, {1104}));
        std::vector<Warning> expected;
        if (c.checked) expected.push_back({32, 0, kCircumstances});
        EXPECT_EQ(Check(store), expected);
    }
}

TEST(RunCompletionChecks, OneCircumstanceFindingPerDependantAndNoneAlreadyListed) {
    FieldStore store = QuietReturn();
    for (const char* name : {"Kim", "Lou"})
        Add(store, AnsweredDependant(name, BornAged(17), 500, {727, 731, 1104}));
    platform::RecordingDialogs dialogs;
    TextList lines{"32", "0", kCircumstances};

    EXPECT_FALSE(RunCompletionChecks(store, dialogs, lines));
    EXPECT_EQ(lines, (TextList{"32", "0", kCircumstances, "32", "1", kCircumstances}));

    lines = {"32", "0", kCircumstances, "32", "1", kCircumstances};
    EXPECT_TRUE(RunCompletionChecks(store, dialogs, lines));
    EXPECT_EQ(lines.size(), 6u);
}

TEST(RunCompletionChecks, DependantsOutsideTheChecks) {
    FieldStore store = QuietReturn();
    // No date of birth, and one that is no date: only the age finding, and the checks go on.
    Add(store, WorksheetBuilder("Kim"));
    Add(store, Dependant("Lou", "31/02/1995"));
    // Departed for good before the year: nothing is asked.
    Add(store, Dependant("Max", BornAged(10)).Check(1101).Table(747, {{"01/01/2001", ""}}));
    // Departed during the year: still checked.
    Add(store, Dependant("Ned", BornAged(10)).Check(1101).Table(747, {{"01/09/2001", ""}}));
    EXPECT_EQ(Check(store), (std::vector<Warning>{{27, 0, kAgeMissing},
                                                  {27, 1, kAgeMissing},
                                                  {30, 3, kIncomeMissing},
                                                  {32, 3, kCircumstances}}));
}

// --- maintenance ----------------------------------------------------------------------------

TEST(RunCompletionChecks, PayerListMissingOnlyWhenNeverMade) {
    struct Case {
        std::optional<TextList> payers;
        bool noPayers;
        bool reported;
    } cases[] = {
        {std::nullopt, false, true},
        {std::nullopt, true, false},
        {TextList{}, false, false},
    };
    for (const Case& c : cases) {
        FieldStore store;
        if (c.payers) store.SetFieldLst(1264, *c.payers);
        if (c.noPayers) store.SetFieldChecked(1265);
        std::vector<Warning> expected;
        if (c.reported) expected.push_back({39, -1, "Maintenance payers information required"});
        EXPECT_EQ(Check(store), expected) << c.payers.has_value() << c.noPayers;
    }
}

// A child of 10 in full care, resident, with no income: maintenance-relevant in a family with
// no income.
int AddRelevantChild(FieldStore& store, const char* name, bool maintenanceDone) {
    auto child = AnsweredDependant(name, BornAged(10), kZero);
    if (maintenanceDone) child.Check(1106);
    return Add(store, child);
}

TEST(DependantMaintenanceDone, NamesTheFirstRelevantDependantNotDone) {
    struct Case {
        const char* what;
        std::function<void(FieldStore&)> family;
        bool done;
        std::int32_t pending;
    } cases[] = {
        {"no dependant", [](FieldStore&) {}, true, -1},
        {"relevant and not done", [](FieldStore& s) { AddRelevantChild(s, "Kim", false); },
         false, 0},
        {"relevant and done", [](FieldStore& s) { AddRelevantChild(s, "Kim", true); }, true, -1},
        {"second of two not done",
         [](FieldStore& s) {
             AddRelevantChild(s, "Kim", true);
             AddRelevantChild(s, "Lou", false);
         },
         false, 1},
        {"17-year-old is no candidate",
         [](FieldStore& s) { Add(s, AnsweredDependant("Kim", BornAged(17), kZero)); }, true, -1},
        {"no date of birth is no candidate",
         [](FieldStore& s) {
             Add(s, AnsweredDependant("Kim", "", kZero));
             AddRelevantChild(s, "Lou", false);
         },
         false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FieldStore store = QuietReturn();
        c.family(store);
        platform::RecordingDialogs dialogs;
        std::int32_t pending = 99;
        EXPECT_EQ(DependantMaintenanceDone(store, dialogs, pending), c.done);
        EXPECT_EQ(pending, c.pending);
        const auto warnings = Check(store);
        const Warning finding{51, -1, "Dependant maintenance information required"};
        EXPECT_EQ(std::count(warnings.begin(), warnings.end(), finding), c.done ? 0 : 1);
    }
}

TEST(SpousalMaintenanceDone, PayerConditionClaimantFlagAndSpouses) {
    struct Case {
        const char* what;
        std::optional<TextList> payers;
        bool payerCondition;
        const char* claimantDone;
        std::vector<bool> spousesDone;
        bool done;
        std::int32_t pending;
    } cases[] = {
        {"no payer list", std::nullopt, true, "", {false}, true, -1},
        {"only blank payers", TextList{"  ", ""}, true, "", {false}, true, -1},
        {"blank payers without the condition", TextList{"  ", ""}, false, "", {}, false, -1},
        {"named payer, claimant not done", TextList{"", "Joe"}, true, "", {true}, false, -1},
        {"claimant flag other than 1", TextList{"Joe"}, true, "2", {}, false, -1},
        {"second spouse not done", TextList{"Joe"}, true, "1", {true, false}, false, 1},
        {"every spouse done", TextList{"Joe"}, true, "1", {true, true}, true, -1},
        {"claimant done, no spouse", TextList{"Joe"}, true, "1", {}, true, -1},
        {"without the condition the spouses count", std::nullopt, false, "1", {false}, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FieldStore store = QuietReturn();
        if (c.payers) store.SetFieldLst(1264, *c.payers);
        if (*c.claimantDone) store.SetFieldStr(1257, c.claimantDone);
        for (std::size_t i = 0; i < c.spousesDone.size(); ++i)
            AddSpouse(store, "Spouse " + std::to_string(i), c.spousesDone[i]);
        std::int32_t pending = 99;
        EXPECT_EQ(SpousalMaintenanceDone(store, c.payerCondition, pending), c.done);
        EXPECT_EQ(pending, c.pending);
    }
}

TEST(RunCompletionChecks, SpousalFindingFollowsThePayerCondition) {
    FieldStore store = QuietReturn();
    store.SetFieldStr(1257, "1");
    AddSpouse(store, "Ann Lee", true);
    AddSpouse(store, "Bob Ray", false);
    EXPECT_EQ(Check(store), std::vector<Warning>{});  // no named payer
    store.SetFieldLst(1264, {"Joe"});
    EXPECT_EQ(Check(store),
              (std::vector<Warning>{{43, -1, "Spousal maintenance information required"}}));
}

TEST(WarningsFromLines, ReadsTriplesAndSkipsWhatIsNoIndex) {
    EXPECT_EQ(WarningsFromLines({"30", "2", "a", "x", "0", "b", "21", "-1", "c", "43", "-1"}),
              (std::vector<Warning>{{30, 2, "a"}, {21, -1, "c"}}));
}

}  // namespace
}  // namespace ftb::assessment
