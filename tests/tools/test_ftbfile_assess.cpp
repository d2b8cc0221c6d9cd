// check and assess, run on returns written with load.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tools/support/RunFtbfile.h"

namespace ftb::ftbfile {
namespace {

using test_support::Ftbfile;
using test_support::Outcome;

const std::string kKey = "876543210";

std::string TextMembers(const std::string& utf8) {
    return R"("kind": "fkLongText", "text": ")" + utf8 + '"';
}
std::string AmountMembers(const std::string& decimal) {
    return R"("kind": "fkCents", "value": )" + decimal;
}
const std::string kChecked = R"("kind": "fkCheck", "checked": true)";

// The JSON of a return: claimant fields, and spouse and dependant worksheets as the members of
// their fields.
class Return {
public:
    using Fields = std::map<int, std::string>;

    Return& Field(int field, const std::string& members) {
        fields_[field] = members;
        return *this;
    }
    Return& Spouse(const Fields& fields) { return Worksheet(770, fields); }
    Return& Dependant(const Fields& fields) { return Worksheet(773, fields); }

    std::string Json() const {
        std::string json = R"({"fields": [)";
        for (const auto& [field, members] : fields_) {
            if (json.back() != '[') json += ", ";
            json += R"({"field": )" + std::to_string(field) + ", " + members + '}';
        }
        return json + "]}";
    }

private:
    Return& Worksheet(int listField, const Fields& fields) {
        std::string& members = fields_[listField];
        const int worksheet = ++worksheets_[listField];
        std::string entries;
        for (const auto& [field, value] : fields)
            entries += R"(, {"worksheet": )" + std::to_string(worksheet) + R"(, "field": )" +
                       std::to_string(field) + ", " + value + '}';
        if (members.empty()) {
            members = R"("kind": "fkWorksheetList", "entries": [)" + entries.substr(2) + ']';
        } else {
            members.insert(members.size() - 1, entries);
        }
        return *this;
    }

    Fields fields_;
    std::map<int, int> worksheets_;
};

// A dependant who counts on every date unless a field says otherwise: full care, living with
// the claimant, no income.
Return::Fields Child(const std::string& name, const std::string& birth) {
    return {{710, TextMembers(name)},
            {713, TextMembers(birth)},
            {715, AmountMembers("2")},
            {727, AmountMembers("100")}};
}

std::vector<std::string> LinesStartingWith(const std::string& text, const std::string& start) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(start, 0) == 0) lines.push_back(line);
    return lines;
}

long Occurrences(const std::string& text, const std::string& part) {
    long count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

class AssessTest : public ::testing::Test {
protected:
    // The return saved as a file; the test fails when load refuses it.
    std::string Saved(const Return& ret) {
        const std::string file = folder_.filePath(QStringLiteral("R.TAX")).toStdString();
        const Outcome load = Ftbfile({"load", file, "--key", kKey}, ret.Json());
        EXPECT_EQ(load.code, 0) << load.err << "\n" << ret.Json();
        return file;
    }

    std::size_t FileCount() const {
        const std::filesystem::directory_iterator entries(folder_.path().toStdString());
        return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
    }

    QTemporaryDir folder_;
};

TEST_F(AssessTest, CheckPrintsTheFindingsAsLinesOrJsonAndExitsWithThree) {
    Return ret;
    ret.Field(1269, TextMembers("1"));  // a spouse during the year, and no marital table
    ret.Spouse({{710, TextMembers("Zoë")}});
    ret.Dependant({{710, TextMembers("Dan")}, {715, AmountMembers("2")}});  // no date of birth
    const std::string file = Saved(ret);

    const Outcome lines = Ftbfile({"check", file, "--key", kKey});
    EXPECT_EQ(lines.code, 3) << lines.err;
    EXPECT_EQ(lines.out,
              "7821\t-1\tFamily circumstance period table needs to be completed\n"
              "7827\t0\tDependant age missing\n"
              "7839\t-1\tMaintenance payers information required\n");
    EXPECT_EQ(lines.err, "");

    const Outcome json = Ftbfile({"check", file, "--key", kKey, "--json"});
    EXPECT_EQ(json.code, 3) << json.err;
    EXPECT_EQ(json.out,
              R"({"warnings":[)"
              R"({"screen":7821,"worksheet":-1,"message":"Family circumstance period table needs to be completed"},)"
              R"({"screen":7827,"worksheet":0,"message":"Dependant age missing"},)"
              R"({"screen":7839,"worksheet":-1,"message":"Maintenance payers information required"}],)"
              R"("maintenance_relevant":[],"spouses":[{"index":0,"name":"Zoë"}]})"
              "\n");
    EXPECT_EQ(FileCount(), 1u) << "check left a file beside the return";
}

TEST_F(AssessTest, CheckExitsWithZeroWhenNothingIsMissing) {
    const std::string file = Saved(Return().Field(1265, kChecked));  // no maintenance payers
    const Outcome lines = Ftbfile({"check", file, "--key", kKey});
    EXPECT_EQ(lines.code, 0) << lines.err;
    EXPECT_EQ(lines.out, "");
    const Outcome json = Ftbfile({"check", file, "--key", kKey, "--json"});
    EXPECT_EQ(json.code, 0) << json.err;
    EXPECT_EQ(json.out, "{\"warnings\":[],\"maintenance_relevant\":[],\"spouses\":[]}\n");
}

// Ann (6) and Cat (6, 5 % care) and Ben (10, income 9000, not studying) are under 16; Old (17)
// is not. On 1 July 2001 only Ann counts for the base-rate threshold: 29857 + 7251 + 1 = 37109;
// Ann and Old count for the HIT: 74095 + 2 x 3139 = 80373. The ages and counts stay so on every
// change date, so Ann is maintenance-relevant exactly when the family ATI is below 37109.
TEST_F(AssessTest, CheckListsTheDependantsWhoseMaintenanceMatters) {
    const struct {
        const char* income;
        std::vector<std::string> relevant;
    } cases[] = {
        {"30000", {"maintenance-relevant\t0\tAnn"}},
        {"37109", {}},
    };
    for (const auto& c : cases) {
        Return ret;
        ret.Field(96, AmountMembers(c.income));
        ret.Dependant(Child("Ann", "01/07/1995"));
        ret.Dependant(Child("Old", "01/01/1984"));
        Return::Fields cat = Child("Cat", "01/07/1995");
        cat[727] = AmountMembers("5");
        ret.Dependant(cat);
        Return::Fields ben = Child("Ben", "01/01/1991");
        ben[725] = AmountMembers("9000");
        ret.Dependant(ben);
        const Outcome check = Ftbfile({"check", Saved(ret), "--key", kKey});
        EXPECT_EQ(check.code, 3) << c.income;
        EXPECT_EQ(LinesStartingWith(check.out, "maintenance-relevant"), c.relevant) << c.income;
    }
}

// A name holding a tab, a line break or a backslash stays inside its own field of its line.
TEST_F(AssessTest, CheckEscapesNamesThatWouldBreakItsLines) {
    Return ret;
    ret.Field(96, AmountMembers("30000"));
    ret.Dependant(Child(R"(Ann\tX\r\nY\\Z)", "01/07/1995"));
    const Outcome check = Ftbfile({"check", Saved(ret), "--key", kKey});
    EXPECT_EQ(check.code, 3) << check.err;
    EXPECT_EQ(LinesStartingWith(check.out, "maintenance-relevant"),
              std::vector<std::string>{R"(maintenance-relevant	0	Ann\tX\r\nY\\Z)"});
}

// Ann (6), Ben (12 on 1 July 2001, 13 the next day) and Zoë (14). On 1 July 2001 the base-rate
// threshold is 29857 + 2 x 7251 + 10110 + 1 + 1 = 54471 and the HIT 74095 + 3 x 3139 = 83512;
// on 2 July 29857 + 7251 + 2 x 10110 + 1 + 1 = 57330. The family ATI is
// 20000.49 + 0.51 x 1000.01 = 20510.4951.
class ThreeChildren : public AssessTest {
protected:
    std::string File() {
        Return ret;
        ret.Field(96, AmountMembers("20000.49")).Field(126, AmountMembers("1000.01"));
        ret.Dependant(Child("Ann", "01/07/1995"));
        ret.Dependant(Child("Ben", "02/07/1988"));
        ret.Dependant(Child("Zoë", "01/01/1987"));
        return Saved(ret);
    }
};

TEST_F(ThreeChildren, AssessPrintsTheTestsOnTheDatesGivenInTheirOrder) {
    const std::string file = File();
    const Outcome json =
        Ftbfile({"assess", file, "--key", kKey, "--date", "02/07/2001", "--date", "01/07/2001",
                 "--json"});
    EXPECT_EQ(json.code, 0) << json.err;
    const std::string counted =
        R"({"index":0,"name":"Ann","purpose0":true,"purpose1":true,"purpose3":true},)"
        R"({"index":1,"name":"Ben","purpose0":true,"purpose1":true,"purpose3":true},)"
        R"({"index":2,"name":"Zoë","purpose0":true,"purpose1":true,"purpose3":true}]})";
    EXPECT_EQ(json.out,
              R"({"change_dates":["01/07/2001","02/07/2001","01/01/2002"],"dates":[)"
              R"({"date":"02/07/2001","claimant_test":true,"partner":-1,"family_ati":20510.4951,)"
              R"("base_rate_threshold":57330,"higher_income_threshold":83512,"family_test":true,)"
              R"("dependants":[)" + counted + ","
              R"({"date":"01/07/2001","claimant_test":true,"partner":-1,"family_ati":20510.4951,)"
              R"("base_rate_threshold":54471,"higher_income_threshold":83512,"family_test":true,)"
              R"("dependants":[)" + counted + "]}\n");
    EXPECT_EQ(json.err, "");

    const Outcome lines = Ftbfile({"assess", file, "--key", kKey, "--date", "1/7/2001"});
    EXPECT_EQ(lines.code, 0) << lines.err;
    EXPECT_EQ(lines.out,
              "change-dates\t01/07/2001\t02/07/2001\t01/01/2002\n"
              "01/07/2001\tclaimant-test\ttrue\n"
              "01/07/2001\tpartner\t-1\n"
              "01/07/2001\tfamily-ati\t20510.4951\n"
              "01/07/2001\tbase-rate-threshold\t54471\n"
              "01/07/2001\thigher-income-threshold\t83512\n"
              "01/07/2001\tfamily-test\ttrue\n"
              "01/07/2001\tdependant\t0\tAnn\ttrue\ttrue\ttrue\n"
              "01/07/2001\tdependant\t1\tBen\ttrue\ttrue\ttrue\n"
              "01/07/2001\tdependant\t2\tZoë\ttrue\ttrue\ttrue\n");
}

TEST_F(ThreeChildren, AssessWithoutDatesTakesEveryChangeDate) {
    const Outcome lines = Ftbfile({"assess", File(), "--key", kKey});
    EXPECT_EQ(lines.code, 0) << lines.err;
    EXPECT_EQ(LinesStartingWith(lines.out, "01/07/2001\tbase"),
              std::vector<std::string>{"01/07/2001\tbase-rate-threshold\t54471"});
    EXPECT_EQ(LinesStartingWith(lines.out, "02/07/2001\tbase"),
              std::vector<std::string>{"02/07/2001\tbase-rate-threshold\t57330"});
    EXPECT_EQ(LinesStartingWith(lines.out, "01/01/2002\tfamily-test").size(), 1u) << lines.out;
}

TEST_F(ThreeChildren, TraceGoesToStandardErrorOnlyWhenAskedFor) {
    const std::string file = File();
    const std::string start = "<BR><B><i>Start family circumstance test</B></i>\n";
    for (const char* command : {"check", "assess"}) {
        const Outcome plain = Ftbfile({command, file, "--key", kKey});
        EXPECT_EQ(plain.err, "") << command;
        const Outcome traced = Ftbfile({command, file, "--key", kKey, "--trace"});
        EXPECT_EQ(traced.out, plain.out) << command;
        EXPECT_EQ(traced.err.rfind(start, 0), 0u) << command << "\n" << traced.err;
        EXPECT_NE(traced.err.find("  Shared care >= 10 %: passed\n"), std::string::npos)
            << command;
    }
    const Outcome assess = Ftbfile({"assess", file, "--key", kKey, "--date", "01/07/2001",
                                    "--trace"});
    EXPECT_EQ(Occurrences(assess.err, start), 1);
    EXPECT_NE(assess.err.find("Dependant 2 Zoë, purpose 3\nDate 01/07/2001\n"), std::string::npos)
        << assess.err;
}

// Sam is the partner all year (one spouse, on 1 July, not separated) and has no reportable
// fringe benefits. The family ATI is computed once for the figure and once more by the family
// circumstance test; each time the message is shown.
TEST_F(AssessTest, TheSpouseIncomeMessageGoesToStandardErrorEachTimeItIsShown) {
    Return ret;
    ret.Field(1255, kChecked).Field(1275, kChecked);
    ret.Spouse({{710, TextMembers("Sam")}, {717, AmountMembers("10000")}});
    ret.Dependant(Child("Ann", "01/07/1995"));
    const std::string file = Saved(ret);
    const std::string message =
        "You have not entered some of the income details required for Sam please complete this "
        "data entry by going to \"Spouse Details\" from the navigation panel at a later stage.\n";

    const Outcome assess = Ftbfile({"assess", file, "--key", kKey, "--date", "01/07/2001"});
    EXPECT_EQ(assess.code, 0);
    EXPECT_EQ(assess.err, message + message);
    EXPECT_NE(assess.out.find("01/07/2001\tpartner\t0\n"), std::string::npos) << assess.out;
    EXPECT_NE(assess.out.find("01/07/2001\tfamily-ati\t10000\n"), std::string::npos);
}

TEST_F(AssessTest, ReadErrorsExitWithOneAndUsageErrorsWithTwo) {
    const std::string file = Saved(Return());
    const std::string missing = folder_.filePath(QStringLiteral("NONE.TAX")).toStdString();
    const struct {
        std::vector<std::string> arguments;
        int code;
        std::string message;
    } cases[] = {
        {{"check", file, "--key", "1"}, 1, "Unable to open file - " + file},
        {{"assess", file, "--key", "1"}, 1, "Unable to open file - " + file},
        {{"check", missing, "--key", kKey}, 1, "Cannot open file"},
        {{"check", file}, 2, "--key KEY is missing"},
        {{"assess", file, "--key", kKey, "--date", "31/02/2002"}, 2,
         "--date 31/02/2002: not a valid date; write it as dd/mm/yyyy"},
        {{"assess", file, "--key", kKey, "--date", "01/07/2001", "--date", "tomorrow"}, 2,
         "--date tomorrow: not a valid date"},
        {{"assess", file, "--key", kKey, "--date"}, 2, "Missing value after '--date'"},
        {{"check", file, "--key", kKey, "--date", "01/07/2001"}, 2, "Unknown option 'date'"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Ftbfile(c.arguments);
        EXPECT_EQ(outcome.code, c.code) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(outcome.out, "") << ::testing::PrintToString(c.arguments);
        EXPECT_NE(outcome.err.find(c.message), std::string::npos)
            << ::testing::PrintToString(c.arguments) << "\n" << outcome.err;
    }
    EXPECT_EQ(FileCount(), 1u);

    const Outcome help = Ftbfile({"--help"});
    EXPECT_NE(help.out.find("\n  check   "), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("\n  assess  "), std::string::npos) << help.out;
}

}  // namespace
}  // namespace ftb::ftbfile
