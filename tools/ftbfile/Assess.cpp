#include "tools/ftbfile/Assess.h"

#include <array>
#include <charconv>
#include <ostream>
#include <string>

#include "assessment/Calendar.h"
#include "assessment/Completion.h"
#include "assessment/Currency.h"
#include "assessment/FamilyTests.h"
#include "data/Win1252.h"
#include "tools/ftbfile/Json.h"

namespace ftb::ftbfile {
namespace {

using assessment::Currency;

constexpr int kScreenGroupBase = 7800;
constexpr std::array<int, 3> kPurposes = {assessment::dpHigherIncomeThreshold,
                                          assessment::dpMaintenance, assessment::dpDayTest};

struct Person {
    int index;
    std::string name;  // Windows-1252
};

// The people of "index=name" lines, as the assessment's lists hold them.
std::vector<Person> People(const data::TextList& lines) {
    std::vector<Person> people;
    for (const std::string& line : lines) {
        const std::size_t equals = line.find('=');
        Person person{-1, line.substr(equals + 1)};
        std::from_chars(line.data(), line.data() + equals, person.index);
        people.push_back(std::move(person));
    }
    return people;
}

std::string Utf8(const std::string& win1252) { return data::Win1252ToUtf8(win1252); }
std::string Quoted(const std::string& win1252) { return JsonQuote(Utf8(win1252)); }
// A text as one field of a tab-separated line: a tab, a line break or a backslash in a name
// would split the finding, so they are written as \t, \r, \n and \\.
std::string LineField(const std::string& win1252) {
    std::string field;
    for (char c : Utf8(win1252)) {
        switch (c) {
            case '\t': field += "\\t"; break;
            case '\r': field += "\\r"; break;
            case '\n': field += "\\n"; break;
            case '\\': field += "\\\\"; break;
            default: field += c;
        }
    }
    return field;
}
const char* Boolean(bool value) { return value ? "true" : "false"; }

// The exact decimal of an amount without trailing zeros: 1234.5, 54471, -0.0051.
std::string AmountText(Currency amount) {
    std::string text = amount.ToText();
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string PeopleJson(const std::vector<Person>& people) {
    std::string json = "[";
    for (const Person& person : people) {
        if (json.size() > 1) json += ',';
        json += "{\"index\":" + std::to_string(person.index) + ",\"name\":" + Quoted(person.name) +
                '}';
    }
    return json + ']';
}

struct DependantResult {
    Person dependant;
    std::array<bool, kPurposes.size()> passes{};
};

struct DateResult {
    data::Date date{};
    bool claimantTest = false;
    int partner = assessment::kNone;
    Currency familyATI{};
    Currency baseRateThreshold{};
    Currency higherIncomeThreshold{};
    bool familyTest = false;
    std::vector<DependantResult> dependants{};
};

// The claimant test and the figures are what the family circumstance test computes again under
// the trace, so only that run and the dependant tests report to the sink.
DateResult AssessDate(const assessment::FamilyRecords& family, data::Date date,
                      assessment::TraceSink& trace, platform::Dialogs& dialogs) {
    DateResult result{date};
    result.claimantTest = assessment::ClaimantTest(family, date);
    result.partner = assessment::PartnerAtDate(family, date);
    result.familyATI = assessment::FamilyATI(family, dialogs, date);
    result.baseRateThreshold = assessment::BaseRateThreshold(family, date);
    result.higherIncomeThreshold = assessment::HigherIncomeThreshold(family, date);
    result.familyTest = assessment::FamilyCircumstanceTest(family, dialogs, date, trace);
    for (const assessment::DependantRecord& record : family.Dependants()) {
        DependantResult dependant{{record.index, record.name}};
        for (std::size_t i = 0; i < kPurposes.size(); ++i) {
            trace.WriteLine("Dependant " + std::to_string(record.index) + " " + record.name +
                            ", purpose " + std::to_string(kPurposes[i]));
            dependant.passes[i] = assessment::DependantTest(record, kPurposes[i], date, trace);
        }
        result.dependants.push_back(std::move(dependant));
    }
    return result;
}

void WriteDateLines(const DateResult& result, std::ostream& out) {
    const std::string date = data::FormatDate(result.date);
    out << date << "\tclaimant-test\t" << Boolean(result.claimantTest) << '\n'
        << date << "\tpartner\t" << result.partner << '\n'
        << date << "\tfamily-ati\t" << AmountText(result.familyATI) << '\n'
        << date << "\tbase-rate-threshold\t" << AmountText(result.baseRateThreshold) << '\n'
        << date << "\thigher-income-threshold\t" << AmountText(result.higherIncomeThreshold)
        << '\n'
        << date << "\tfamily-test\t" << Boolean(result.familyTest) << '\n';
    for (const DependantResult& dependant : result.dependants) {
        out << date << "\tdependant\t" << dependant.dependant.index << '\t'
            << LineField(dependant.dependant.name);
        for (bool passes : dependant.passes) out << '\t' << Boolean(passes);
        out << '\n';
    }
}

std::string DateJson(const DateResult& result) {
    std::string json = "{\"date\":\"" + data::FormatDate(result.date) +
                       "\",\"claimant_test\":" + Boolean(result.claimantTest) +
                       ",\"partner\":" + std::to_string(result.partner) +
                       ",\"family_ati\":" + AmountText(result.familyATI) +
                       ",\"base_rate_threshold\":" + AmountText(result.baseRateThreshold) +
                       ",\"higher_income_threshold\":" + AmountText(result.higherIncomeThreshold) +
                       ",\"family_test\":" + Boolean(result.familyTest) + ",\"dependants\":[";
    for (const DependantResult& dependant : result.dependants) {
        if (&dependant != &result.dependants.front()) json += ',';
        json += "{\"index\":" + std::to_string(dependant.dependant.index) +
                ",\"name\":" + Quoted(dependant.dependant.name);
        for (std::size_t i = 0; i < kPurposes.size(); ++i)
            json += ",\"purpose" + std::to_string(kPurposes[i]) + "\":" + Boolean(dependant.passes[i]);
        json += '}';
    }
    return json + "]}";
}

}  // namespace

bool WriteCompletionReport(const data::FieldStore& store, ReportForm form,
                           assessment::TraceSink& trace, platform::Dialogs& dialogs,
                           std::ostream& out) {
    const assessment::FamilyRecords family(store);
    data::TextList lines;
    assessment::RunCompletionChecks(family, dialogs, lines);
    const std::vector<assessment::Warning> warnings = assessment::WarningsFromLines(lines);
    assessment::MaintenanceRelevantDependants(family, dialogs, lines, trace);
    const std::vector<Person> relevant = People(lines);

    if (form == ReportForm::Lines) {
        for (const assessment::Warning& warning : warnings)
            out << kScreenGroupBase + warning.screenIndex << '\t' << warning.worksheetIndex << '\t'
                << LineField(warning.message) << '\n';
        for (const Person& dependant : relevant)
            out << "maintenance-relevant\t" << dependant.index << '\t' << LineField(dependant.name)
                << '\n';
        return !warnings.empty();
    }
    assessment::SpouseList(family.SpouseWorksheets(), lines);
    out << "{\"warnings\":[";
    for (const assessment::Warning& warning : warnings) {
        if (&warning != &warnings.front()) out << ',';
        out << "{\"screen\":" << kScreenGroupBase + warning.screenIndex
            << ",\"worksheet\":" << warning.worksheetIndex
            << ",\"message\":" << Quoted(warning.message) << '}';
    }
    out << "],\"maintenance_relevant\":" << PeopleJson(relevant)
        << ",\"spouses\":" << PeopleJson(People(lines)) << "}\n";
    return !warnings.empty();
}

void WriteAssessment(const data::FieldStore& store, const std::vector<data::Date>& dates,
                     ReportForm form, assessment::TraceSink& trace, platform::Dialogs& dialogs,
                     std::ostream& out) {
    const assessment::FamilyRecords family(store);
    const assessment::DynArrayOfDates changeDates = assessment::ChangeDates(family);
    const std::vector<data::Date> assessed =
        dates.empty() ? std::vector<data::Date>(changeDates.begin(), changeDates.end()) : dates;
    std::vector<DateResult> results;
    for (data::Date date : assessed) results.push_back(AssessDate(family, date, trace, dialogs));

    if (form == ReportForm::Lines) {
        out << "change-dates";
        for (data::Date date : changeDates) out << '\t' << data::FormatDate(date);
        out << '\n';
        for (const DateResult& result : results) WriteDateLines(result, out);
        return;
    }
    out << "{\"change_dates\":[";
    for (data::Date date : changeDates)
        out << (date == changeDates[0] ? "\"" : ",\"") << data::FormatDate(date) << '"';
    out << "],\"dates\":[";
    for (const DateResult& result : results)
        out << (&result == &results.front() ? "" : ",") << DateJson(result);
    out << "]}\n";
}

}  // namespace ftb::ftbfile
