// The change-of-circumstance table rules on arbitrary tables: three bytes a row choose its date
// (a day of the year, none, or text that is no date), its event (any of the vocabulary, none, or
// a text no rule knows) and its percentage; the first byte chooses the initial answers. Every
// row is processed as when the table is shown, then one row again as when it is left. Nothing
// crashes, no row is added, and once a row with a date and an event is processed the table has
// no two rows of the same date with the same or opposite events and is in date order.
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "assessment/Calendar.h"
#include "assessment/ChangeTable.h"
#include "data/Dates.h"

namespace {

using namespace ftb;

std::string EventOf(std::uint8_t byte) {
    const int choice = byte % 14;
    if (choice < 10) {
        const assessment::OffOn& pair = assessment::kEventPairs[1 + choice / 2];
        return choice % 2 == 0 ? pair.on : pair.off;
    }
    if (choice == 10) return assessment::kChangeOfSharedCare;
    if (choice == 11) return assessment::kDeceased;
    if (choice == 12) return "went";
    return "";
}

std::string DateOf(std::uint8_t byte) {
    if (byte == 255) return "";
    if (byte == 254) return "31/02/2002";
    return data::FormatDate(assessment::kYearStart + std::chrono::days{byte % 40});
}

std::string Opposite(const std::string& event) {
    for (const assessment::OffOn& pair : assessment::kEventPairs) {
        if (event == pair.on) return pair.off;
        if (event == pair.off) return pair.on;
    }
    return event;
}

void Check(const assessment::TChangeTable& table) {
    std::optional<data::Date> previous;
    bool undated = false;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::optional<data::Date> date = data::ParseDate(table[i].date);
        if (!date) {
            undated = true;
        } else {
            if (undated || (previous && *date < *previous)) std::abort();
            previous = date;
        }
        if (table[i].date.empty() || table[i].event.empty()) continue;
        for (std::size_t j = i + 1; j < table.size(); ++j)
            if (table[j].date == table[i].date &&
                (table[j].event == table[i].event || table[j].event == Opposite(table[i].event)))
                std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    assessment::TInitialCircumstances initial;
    for (std::size_t i = 1; i < initial.answers.size(); ++i)
        initial.answers[i] = (data[0] >> (i - 1)) % 3;
    initial.care = (data[0] & 0x80) != 0 ? "" : "100";
    initial.studyAllYear = (data[0] & 0x40) != 0;
    assessment::TChangeTable table;
    for (std::size_t at = 1; at + 2 < size && table.size() < 64; at += 3)
        table.push_back({DateOf(data[at]), EventOf(data[at + 1]),
                         data[at + 2] > 200 ? "" : std::to_string(data[at + 2] % 101)});
    const std::size_t rows = table.size();
    assessment::TChangeOutcome shown = assessment::ProcessEveryRow(table, initial, true);
    if (shown.table.size() > rows) std::abort();
    if (!shown.table.empty()) {
        const std::size_t row = data[size - 1] % shown.table.size();
        (void)assessment::EventsOffered(shown.table, row, initial);
        assessment::TRowProcessing left;
        left.enteredCare = "50";
        const assessment::TChangeOutcome after =
            assessment::ProcessRow(shown.table, row, initial, left);
        if (after.table.size() > shown.table.size()) std::abort();
        // A row with a date and an event is processed; any other leaves the table as it is.
        if (!shown.table[row].date.empty() && !shown.table[row].event.empty()) Check(after.table);
    }
    return 0;
}
