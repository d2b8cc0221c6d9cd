#include "assessment/Integrity.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/RecordingDialogs.h"
#include "support/IntegrityFixtures.h"

namespace ftb::assessment {
namespace {

using data::FieldStore;
using data::TextList;
using platform::dbNo;
using platform::dbYes;
using platform::RecordingDialogs;
using test_support::Cells;
using test_support::Rows;
using test_support::WorksheetBuilder;
using test_support::WorksheetTable;

constexpr int kSpouses = data::kSpouseList;
constexpr int kDependants = data::kDependantList;

int AddSpouse(FieldStore& store, const char* name) {
    return WorksheetBuilder(name).AppendTo(store, kSpouses);
}

// A dependant holding the given maintenance tables (745, 743, 744); empty ones are not kept.
int AddDependant(FieldStore& store, const Rows& action, const Rows& capitalised,
                 const Rows& received) {
    return WorksheetBuilder("Kim")
        .Table(745, action)
        .Table(743, capitalised)
        .Table(744, received)
        .AppendTo(store, kDependants);
}

TextList ClaimantTable(const FieldStore& store, int field) {
    const TextList* cells = store.GetFieldLst(field);
    return cells ? *cells : TextList{};
}

void ExpectWarningBox(const platform::MessageBox& box, const std::string& title,
                      const std::string& text) {
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.icon, platform::DialogIcon::Warning);
    EXPECT_EQ(box.buttons, dbYes | dbNo);
    EXPECT_EQ(box.defaultButton, dbNo);
}

// --- rename ---------------------------------------------------------------------------------

TEST(RenameSpouseReferences, ChangesOnlyFirstColumnCellsEqualToTheOldNameExactly) {
    FieldStore store;
    store.SetFieldLst(1250, Cells({{"Ann Lee", "01/07/2001", "31/12/2001", "50"},
                                   {"ann lee", "01/01/2002", "31/03/2002", ""},
                                   {"Ann Lee ", "01/04/2002", "30/06/2002", ""},
                                   {"Single", "", "", "Ann Lee"}}));
    store.SetFieldLst(1291, Cells({{"Ann Lee", "01/07/2001", "Ann Lee"}, {" Ann Lee", "", ""}}));
    AddDependant(store, {{"Ann Lee", "a", "b", "c"}, {"ANN LEE", "a", "b", "c"}},
                 {{"Ann Lee", "1", "2", "3", "4", "5"}}, {});
    // The second dependant has no tables 745 and 743: they are skipped.
    AddDependant(store, {}, {}, {{"x", "Ann Lee", "", "", ""}, {"Ann Lee", "1", "2", "3", "4"}});
    store.SetModified(false);

    RenameSpouseReferences(store, "Ann Lee", "Ann Smith");

    EXPECT_EQ(ClaimantTable(store, 1250), Cells({{"Ann Smith", "01/07/2001", "31/12/2001", "50"},
                                                 {"ann lee", "01/01/2002", "31/03/2002", ""},
                                                 {"Ann Lee ", "01/04/2002", "30/06/2002", ""},
                                                 {"Single", "", "", "Ann Lee"}}));
    EXPECT_EQ(ClaimantTable(store, 1291),
              Cells({{"Ann Smith", "01/07/2001", "Ann Lee"}, {" Ann Lee", "", ""}}));
    EXPECT_EQ(WorksheetTable(store, kDependants, 0, 745),
              Cells({{"Ann Smith", "a", "b", "c"}, {"ANN LEE", "a", "b", "c"}}));
    EXPECT_EQ(WorksheetTable(store, kDependants, 0, 743),
              Cells({{"Ann Smith", "1", "2", "3", "4", "5"}}));
    EXPECT_EQ(WorksheetTable(store, kDependants, 1, 744),
              Cells({{"x", "Ann Lee", "", "", ""}, {"Ann Smith", "1", "2", "3", "4"}}));
    EXPECT_TRUE(store.Modified());
}

TEST(RenameSpouseReferences, LeavesAReturnWithoutTablesAlone) {
    FieldStore store;
    AddSpouse(store, "Ann Lee");
    RenameSpouseReferences(store, "Ann Lee", "Ann Smith");
    EXPECT_EQ(store.GetFieldKind(1250), data::fkEmpty);
    EXPECT_EQ(store.GetFieldKind(1291), data::fkEmpty);
}

// --- deleting a spouse ----------------------------------------------------------------------

const std::string kSpouseIntro =
    "The following information has been recorded with regard to this spouse:\r\r";
const std::string kSpouseQuestion = "\r\rAre you sure you wish to continue with this deletion?";
const std::string kMaritalPart =
    "Marital status will be affected you will need to update the marital status screen";
const std::string kBlindPart =
    "Periods have been recorded in which this spouse was blind and receipt of a blind rate "
    "pension or blind rate of service pension or income support supplement.";

// One table names the spouse in some spelling, followed by a row of another spouse. The claimant's
// tables match after lower-casing and trimming, the dependants' tables only exactly; a row that
// is reported is also the row removed, whole, with the following row moving up.
TEST(MayDeleteWorksheet, SpouseReferencesAreReportedAndRemovedByEachTablesRule) {
    struct Case {
        int field;
        std::size_t columns;
        const char* spelling;
        std::string parts;  // empty: no question and nothing removed
    } cases[] = {
        {1250, 4, " ann lee", kMaritalPart},
        {1250, 4, "ANN LEE\t ", kMaritalPart},
        {1291, 3, "Ann Lee", "\n\r" + kBlindPart},
        {745, 4, "Ann Lee", "\n\rMaintenance action on behalf of a dependant taken taken"},
        {745, 4, "ann lee", ""},
        {743, 6, "Ann Lee", "\n\rCapitalised maintenance received"},
        {743, 6, "Ann Lee ", ""},
        {744, 5, "Ann Lee", "\n\rMaintenance received"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.field) + " '" + c.spelling + "'");
        TextList named{c.spelling};
        named.resize(c.columns, "01/07/2001");
        TextList other{"Bob Ray"};
        other.resize(c.columns, "30/06/2002");
        const Rows rows{named, other};
        const TextList cells = Cells(rows);

        FieldStore store;
        AddSpouse(store, "Bob Ray");
        const int ann = AddSpouse(store, "Ann Lee");
        const bool claimantTable = c.field == 1250 || c.field == 1291;
        if (claimantTable) store.SetFieldLst(c.field, cells);
        AddDependant(store, {}, {}, {});
        AddDependant(store, c.field == 745 ? rows : Rows{}, c.field == 743 ? rows : Rows{},
                     c.field == 744 ? rows : Rows{});
        RecordingDialogs dialogs;
        dialogs.answers = {dbYes};

        EXPECT_TRUE(MayDeleteWorksheet(store, dialogs, kSpouses, ann + 1));

        const TextList after = claimantTable ? ClaimantTable(store, c.field)
                                             : WorksheetTable(store, kDependants, 1, c.field);
        if (c.parts.empty()) {
            EXPECT_TRUE(dialogs.shown.empty());
            EXPECT_EQ(after, cells);
        } else {
            ASSERT_EQ(dialogs.shown.size(), 1u);
            ExpectWarningBox(dialogs.shown[0], "Warning", kSpouseIntro + c.parts + kSpouseQuestion);
            EXPECT_EQ(after, other);
        }
    }
}

TEST(MayDeleteWorksheet, SpouseNamedEverywhereListsEveryPartInOrderAndClearsEveryTable) {
    FieldStore store;
    const int ann = AddSpouse(store, "Ann Lee");
    store.SetFieldLst(1250, Cells({{"Ann Lee", "01/07/2001", "31/12/2001", ""},
                                   {"Single", "01/01/2002", "30/06/2002", ""},
                                   {"ann lee", "", "", ""}}));
    store.SetFieldLst(1291, {"Ann Lee", "01/07/2001", "30/06/2002"});
    AddDependant(store, {{"Ann Lee", "1", "2", "3"}}, {}, {});
    AddDependant(store, {}, {{"Ann Lee", "1", "2", "3", "4", "5"}},
                 {{"Ann Lee", "1", "2", "3", "4"}});
    RecordingDialogs dialogs;
    dialogs.answers = {dbYes};

    EXPECT_TRUE(MayDeleteWorksheet(store, dialogs, kSpouses, ann + 1));

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              kSpouseIntro + kMaritalPart + "\n\r" + kBlindPart +
                  "\n\rMaintenance action on behalf of a dependant taken taken"
                  "\n\rCapitalised maintenance received\n\rMaintenance received" +
                  kSpouseQuestion);
    EXPECT_EQ(ClaimantTable(store, 1250), (TextList{"Single", "01/01/2002", "30/06/2002", ""}));
    EXPECT_EQ(ClaimantTable(store, 1291), TextList{});
    EXPECT_EQ(WorksheetTable(store, kDependants, 0, 745), TextList{});
    EXPECT_EQ(WorksheetTable(store, kDependants, 1, 743), TextList{});
    EXPECT_EQ(WorksheetTable(store, kDependants, 1, 744), TextList{});
}

TEST(MayDeleteWorksheet, SpouseDeletionRefusedWithNoChangesNothing) {
    FieldStore store;
    const int ann = AddSpouse(store, "Ann Lee");
    const TextList marital{"Ann Lee", "01/07/2001", "30/06/2002", ""};
    const TextList received{"Ann Lee", "1", "2", "3", "4"};
    store.SetFieldLst(1250, marital);
    AddDependant(store, {}, {}, {received});
    store.SetModified(false);
    RecordingDialogs dialogs;  // answers the default button, No

    EXPECT_FALSE(MayDeleteWorksheet(store, dialogs, kSpouses, ann + 1));

    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(ClaimantTable(store, 1250), marital);
    EXPECT_EQ(WorksheetTable(store, kDependants, 0, 744), received);
    EXPECT_FALSE(store.Modified());
}

TEST(MayDeleteWorksheet, SpouseWithoutNameOrReferencesGoesWithoutAQuestion) {
    FieldStore store;
    AddSpouse(store, "Ann Lee");
    store.SetFieldLst(1250, {"Bob Ray", "01/07/2001", "30/06/2002", ""});
    RecordingDialogs dialogs;
    EXPECT_TRUE(MayDeleteWorksheet(store, dialogs, kSpouses, 1));  // named nowhere
    EXPECT_TRUE(MayDeleteWorksheet(store, dialogs, kSpouses, 7));  // no such worksheet
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(ClaimantTable(store, 1250).size(), 4u);
}

// --- deleting a dependant -------------------------------------------------------------------

TEST(MayDeleteWorksheet, DependantWithMaintenanceRecordsAsksWithOneSentencePerTable) {
    const std::string intro =
        "Maintenance information has already entered, are you sure you want to proceed with this "
        "deletion?";
    const std::string action =
        "\n\rMaintenance action test information has been recorded for this dependant.";
    const std::string capitalised =
        "\n\rThe receipt of capitalised maintenance has been recorded for this dependant.";
    const std::string received =
        "\n\rThe receipt of non-capitalised maintenance has been recorded for this dependant.";
    struct Case {
        bool action, capitalised, received;
        std::string sentences;  // empty: no question
    } cases[] = {
        {false, false, false, ""},
        {false, false, true, received},
        {true, false, true, action + received},
        {true, true, true, action + capitalised + received},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sentences);
        for (auto answer : {dbYes, dbNo}) {
            FieldStore store;
            AddSpouse(store, "Ann Lee");
            const Rows row{{"Ann Lee", "1", "2", "3", "4", "5"}};
            const int kim = AddDependant(store, c.action ? row : Rows{},
                                         c.capitalised ? row : Rows{}, c.received ? row : Rows{});
            RecordingDialogs dialogs;
            dialogs.answers = {answer};

            const bool allowed = MayDeleteWorksheet(store, dialogs, kDependants, kim + 1);

            if (c.sentences.empty()) {
                EXPECT_TRUE(allowed);
                EXPECT_TRUE(dialogs.shown.empty());
                break;
            }
            EXPECT_EQ(allowed, answer == dbYes);
            ASSERT_EQ(dialogs.shown.size(), 1u);
            ExpectWarningBox(dialogs.shown[0], "Warning", intro + c.sentences);
            EXPECT_EQ(WorksheetTable(store, kDependants, kim, 744),
                      c.received ? Cells(row) : TextList{});
        }
    }
}

TEST(MayDeleteWorksheet, OtherListsAreAllowedAtOnce) {
    FieldStore store;
    WorksheetBuilder("Payer").AppendTo(store, 20);
    store.SetFieldLst(1250, {"Payer", "01/07/2001", "30/06/2002", ""});
    RecordingDialogs dialogs;
    EXPECT_TRUE(MayDeleteWorksheet(store, dialogs, 20, 1));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(ClaimantTable(store, 1250).size(), 4u);
}

// --- delete-all guard -----------------------------------------------------------------------

constexpr int kKeptFields[] = {1268, 1269, 1270, 1274, 1277, 1281, 1297, 1298};

bool IsKept(int field) {
    return std::find(std::begin(kKeptFields), std::end(kKeptFields), field) !=
           std::end(kKeptFields);
}

TEST(DeleteAllGuard, WithoutFtbAnswersAbandonsWithoutAsking) {
    FieldStore store;
    for (int field : kKeptFields) store.SetFieldStr(field, "1");
    // Values that the store counts as empty: blank text, zero, unchecked, empty list, a
    // worksheet list without worksheets.
    store.SetFieldStr(1242, "   ");
    store.SetFieldVal(1246, 0);
    store.SetFieldUnchecked(1255);
    store.SetFieldLst(1250, {});
    store.OpenWorksheetList(kDependants);
    store.SetFieldStr(1300, "outside");
    std::vector<std::int32_t> history{7803, 7805};
    RecordingDialogs dialogs;

    EXPECT_TRUE(DeleteAllGuard(store, dialogs, history));

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(history, (std::vector<std::int32_t>{7803, 7805}));
    for (int field : kKeptFields) EXPECT_EQ(store.GetFieldStr(field), "1") << field;
}

// Every field 1242..1299 holds an answer, and so do the four worksheet lists of the claim.
FieldStore EveryFtbAnswerEntered() {
    FieldStore store;
    for (int field = 1242; field <= 1299; ++field) store.SetFieldStr(field, "answer");
    store.SetFieldStr(1241, "answer");
    store.SetFieldStr(1300, "answer");
    store.SetFieldVal(96, 52000);
    for (int list : {19, 20, 22, 26}) WorksheetBuilder("Someone").AppendTo(store, list);
    return store;
}

TEST(DeleteAllGuard, AsksOnceWithTheCaptionAndALoneCarriageReturn) {
    FieldStore store = EveryFtbAnswerEntered();
    std::vector<std::int32_t> history{7803, 7805};
    RecordingDialogs dialogs;
    dialogs.answers = {dbNo};

    EXPECT_FALSE(DeleteAllGuard(store, dialogs, history));

    ASSERT_EQ(dialogs.shown.size(), 1u);
    ExpectWarningBox(dialogs.shown[0], "Warning You Are About to Delete Data",
                     "You have previously entered FTB data, are you sure you want to continue "
                     "with this deletion?\rIf you select \"Yes\" all FTB data will be lost.");
    EXPECT_EQ(history.size(), 2u);
    for (int field = 1242; field <= 1299; ++field)
        EXPECT_EQ(store.GetFieldStr(field), "answer") << field;
    EXPECT_TRUE(store.WorksheetListHasEntries(22));
}

TEST(DeleteAllGuard, YesClearsEveryFtbAnswerAndTheHistoryButKeepsTheRest) {
    FieldStore store = EveryFtbAnswerEntered();
    std::vector<std::int32_t> history{7803, 7805, 7806};
    RecordingDialogs dialogs;
    dialogs.answers = {dbYes};

    EXPECT_TRUE(DeleteAllGuard(store, dialogs, history));

    EXPECT_TRUE(history.empty());
    for (int field = 1242; field <= 1299; ++field) {
        if (IsKept(field))
            EXPECT_EQ(store.GetFieldStr(field), "answer") << field;
        else
            EXPECT_TRUE(store.FieldIsEmpty(field)) << field;
    }
    for (int list : {19, 20, 22, 26}) {
        EXPECT_FALSE(store.WorksheetListHasEntries(list)) << list;
        EXPECT_EQ(store.GetFieldKind(list + data::kWorksheetListField), data::fkEmpty) << list;
    }
    EXPECT_EQ(store.GetFieldStr(1241), "answer");
    EXPECT_EQ(store.GetFieldStr(1300), "answer");
    EXPECT_EQ(store.GetFieldVal(96), 52000);
    EXPECT_TRUE(store.Modified());
}

}  // namespace
}  // namespace ftb::assessment
