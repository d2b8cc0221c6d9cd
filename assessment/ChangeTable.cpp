#include "assessment/ChangeTable.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "assessment/Calendar.h"

namespace ftb::assessment {

namespace {

constexpr int kColumns = 3;
constexpr int kOn = 2;
// The circumstances in the order their redundant events are looked for.
constexpr std::array<int, 5> kRedundancyOrder = {ciEducation, ciPayment, ciAbsentWithoutConsent,
                                                 ciResident, ciSchemePayment};
// The circumstances in the order their events are offered.
constexpr std::array<int, 5> kOfferOrder = {ciEducation, ciPayment, ciSchemePayment,
                                            ciAbsentWithoutConsent, ciResident};

const char kBullet = '\x95';

// A row while the table is processed: a deleted row keeps its place, marked gone, so that the
// positions of the others never move until the table is rebuilt.
struct TWorkRow {
    TChangeRow cells;
    std::optional<Date> date;
    bool alive = true;
};
using TWork = std::vector<TWorkRow>;

TWork WorkOf(TChangeTable table) {
    TWork work;
    work.reserve(table.size());
    for (TChangeRow& row : table) {
        const std::optional<Date> date = data::ParseDate(row.date);
        work.push_back({std::move(row), date, true});
    }
    return work;
}

TChangeTable TableOf(TWork work) {
    TChangeTable table;
    for (TWorkRow& row : work)
        if (row.alive) table.push_back(std::move(row.cells));
    return table;
}

// The living dated rows by date, equal dates in table order; `first` (when given) decides first
// among equal dates.
template <typename First>
std::vector<std::size_t> DateOrder(const TWork& work, First first) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < work.size(); ++i)
        if (work[i].alive && work[i].date) order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (*work[a].date != *work[b].date) return *work[a].date < *work[b].date;
        return first(work[a]) && !first(work[b]);
    });
    return order;
}
std::vector<std::size_t> DateOrder(const TWork& work) {
    return DateOrder(work, [](const TWorkRow&) { return false; });
}

// The circumstance whose pair the event belongs to; 0 for the events of no pair.
int PairOf(const std::string& event) {
    for (int i = 1; i < static_cast<int>(kEventPairs.size()); ++i)
        if (event == kEventPairs[i].off || event == kEventPairs[i].on) return i;
    return 0;
}

// The other form of the event's pair; an event of no pair is its own opposite.
std::string Opposite(const std::string& event) {
    const int pair = PairOf(event);
    if (pair == 0) return event;
    return event == kEventPairs[pair].off ? kEventPairs[pair].on : kEventPairs[pair].off;
}

// The event that moves the circumstance away from its initial state.
std::string EventAway(int circumstance, int initial) {
    return initial == kOn ? kEventPairs[circumstance].off : kEventPairs[circumstance].on;
}

std::optional<long> WholeNumber(const std::string& text) {
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

// Percentages are compared as numbers ("040" is 40), other texts as they are.
bool SameNumber(const std::string& a, const std::string& b) {
    const std::optional<long> x = WholeNumber(a), y = WholeNumber(b);
    if (x && y) return *x == *y;
    return a == b;
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

void RemoveRedundantEvents(TWork& work, const TInitialCircumstances& initial,
                           std::vector<TChangeBox>& boxes) {
    for (const int circumstance : kRedundancyOrder) {
        const int answer = initial.answers[static_cast<std::size_t>(circumstance)];
        if (answer == 0) continue;
        std::string expected = EventAway(circumstance, answer);
        std::string redundant = Opposite(expected);
        // The rows walked: a later row of the same date and event is a same-day duplicate, left
        // to the duplicate rule.
        std::vector<std::pair<std::string, std::string>> walked;
        for (const std::size_t i : DateOrder(work)) {
            TChangeRow& row = work[i].cells;
            const std::pair<std::string, std::string> seen{row.date, row.event};
            if (std::find(walked.begin(), walked.end(), seen) != walked.end()) continue;
            if (row.event == redundant) {
                boxes.push_back(
                    {cbInformation,
                     "The changes you have made have caused some changes in circumstance to "
                     "become redundant.\rThat is " +
                         redundant + " has been entered twice without a " + expected +
                         " event being entered in between them. The redundant row will now be "
                         "deleted."});
                work[i].alive = false;
                continue;
            }
            walked.push_back(seen);
            if (row.event == expected) std::swap(expected, redundant);
        }
    }
}

// One pass over the rows; true when it deleted a row.
bool RemoveSameDayPass(TWork& work, std::vector<TChangeBox>& boxes) {
    bool deleted = false;
    for (std::size_t i = 0; i < work.size(); ++i) {
        if (!work[i].alive || IsBlank(work[i].cells.date) || work[i].cells.event.empty())
            continue;
        const std::string& d = work[i].cells.date;
        const std::string& e = work[i].cells.event;
        const std::string o = Opposite(e);
        for (std::size_t j = 0; j < work.size(); ++j) {
            if (j == i || !work[j].alive || work[j].cells.date != d) continue;
            if (work[j].cells.event == e) {
                boxes.push_back({cbInformation, "There are two identical events (" + e +
                                                    ") occurring on the same day (" + d +
                                                    "). One of these events will now be deleted."});
            } else if (o != e && work[j].cells.event == o) {
                boxes.push_back(
                    {cbInformation,
                     "Opposite change of circumstance events are not permitted to be entered for "
                     "the same day.As you have recorded opposite events (" +
                         e + "," + o + ") occurring on the same day (" + d + ").\"" + o +
                         "\" will now be deleted.You should update the change of circumstance "
                         "table to ensure the event you record for " +
                         d + " is the latest event that occurred on that day."});
            } else {
                continue;
            }
            work[j].alive = false;
            deleted = true;
        }
    }
    return deleted;
}

// The percentage in force written into every dated row. `messageRow` is the row whose typed
// percentage is refused with a box naming `enteredCare`; none refreshes silently.
void Carry(TWork& work, const std::string& initialCare, std::optional<std::size_t> messageRow,
           const std::string& enteredCare, std::vector<TChangeBox>& boxes) {
    const auto isChange = [](const TWorkRow& row) { return row.cells.event == kChangeOfSharedCare; };
    std::string current = initialCare;
    for (const std::size_t i : DateOrder(work, isChange)) {
        TChangeRow& row = work[i].cells;
        if (!isChange(work[i])) {
            if (messageRow == i && !row.care.empty() && !SameNumber(row.care, current))
                boxes.push_back({cbError,
                                 "You can only change this value when the event you have just "
                                 "entered is Change of shared care %. This value has been changed "
                                 "back to " +
                                     enteredCare});
            row.care = current;
        } else if (!row.care.empty()) {
            current = row.care;
            for (TWorkRow& other : work)
                if (other.alive && other.date == work[i].date) other.cells.care = current;
        }
    }
}

bool EventAfterDeath(const TWork& work) {
    std::optional<Date> death, latest;
    for (const TWorkRow& row : work) {
        if (!row.alive || !row.date) continue;
        if (row.cells.event == kDeceased && (!death || *row.date < *death)) death = row.date;
        if (!latest || *row.date > *latest) latest = row.date;
        if (death && *death < *latest) return true;
    }
    return false;
}

const char kDeathMessage[] =
    "You have recorded dependant change of circumstances after \t\rthe date of the dependant's "
    "death.\t\rThese changes will be ignored by Ledgra.";

void SortByDate(TWork& work) {
    std::stable_sort(work.begin(), work.end(), [](const TWorkRow& a, const TWorkRow& b) {
        if (!b.date) return a.date.has_value();
        return a.date && *a.date < *b.date;
    });
}

}  // namespace

const char* const kEventWithoutDate =
    "You can not enter a value unless a date is entered in the left column";

TChangeTable ChangeTableOf(const data::TextList& cells) {
    TChangeTable table;
    for (std::size_t i = 0; i < cells.size(); i += kColumns) {
        TChangeRow row;
        row.date = cells[i];
        if (i + 1 < cells.size()) row.event = cells[i + 1];
        if (i + 2 < cells.size()) row.care = cells[i + 2];
        table.push_back(std::move(row));
    }
    return table;
}

data::TextList CellsOf(const TChangeTable& table) {
    data::TextList cells;
    cells.reserve(table.size() * kColumns);
    for (const TChangeRow& row : table) {
        cells.push_back(row.date);
        cells.push_back(row.event);
        cells.push_back(row.care);
    }
    return cells;
}

TEventOffer EventsOffered(TChangeTable table, std::size_t row,
                          const TInitialCircumstances& initial) {
    TEventOffer offer;
    if (row >= table.size()) {
        offer.outcome.table = std::move(table);
        return offer;
    }
    if (IsBlank(table[row].date)) {
        if (!table[row].event.empty()) {
            offer.outcome.boxes.push_back({cbPlain, kEventWithoutDate});
            table[row].event.clear();
        }
        offer.outcome.table = std::move(table);
        return offer;
    }
    const TWork work = WorkOf(table);
    offer.outcome.table = std::move(table);
    const std::optional<Date> date = work[row].date;
    if (!date) return offer;
    for (const int circumstance : kOfferOrder) {
        if (circumstance == ciEducation && initial.studyAllYear) continue;
        offer.events.push_back(
            EventAway(circumstance, initial.answers[static_cast<std::size_t>(circumstance)]));
    }
    offer.events.push_back(kChangeOfSharedCare);
    offer.events.push_back(kDeceased);
    for (const std::size_t i : DateOrder(work)) {
        if (i == row || *work[i].date > *date) continue;
        const std::string& event = work[i].cells.event;
        const std::string opposite = Opposite(event);
        for (std::string& offered : offer.events)
            if (offered == event) offered = opposite;
    }
    return offer;
}

TChangeOutcome ProcessRow(TChangeTable table, std::size_t row,
                          const TInitialCircumstances& initial, const TRowProcessing& options) {
    TChangeOutcome outcome;
    if (row >= table.size() || IsBlank(table[row].date) || table[row].event.empty()) {
        outcome.table = std::move(table);
        return outcome;
    }
    TWork work = WorkOf(std::move(table));
    if (options.gridEnabled) RemoveRedundantEvents(work, initial, outcome.boxes);
    while (RemoveSameDayPass(work, outcome.boxes)) {
    }
    // The typed percentage is judged only while its row is still there.
    std::optional<std::size_t> messageRow;
    if (options.enteredCare && work[row].alive) messageRow = row;
    Carry(work, initial.care, messageRow, options.enteredCare.value_or(""), outcome.boxes);
    if (options.deathWarning && EventAfterDeath(work))
        outcome.boxes.push_back({cbError, kDeathMessage});
    SortByDate(work);
    outcome.table = TableOf(std::move(work));
    return outcome;
}

TChangeOutcome ProcessEveryRow(TChangeTable table, const TInitialCircumstances& initial,
                               bool gridEnabled) {
    TChangeOutcome outcome{std::move(table), {}};
    bool deathWarned = false;
    for (std::size_t row = 0; row < outcome.table.size(); ++row) {
        TChangeOutcome step = ProcessRow(std::move(outcome.table), row, initial,
                                         {.gridEnabled = gridEnabled, .enteredCare = std::nullopt, .deathWarning = !deathWarned});
        for (TChangeBox& box : step.boxes) {
            deathWarned = deathWarned || box.text == kDeathMessage;
            outcome.boxes.push_back(std::move(box));
        }
        outcome.table = std::move(step.table);
    }
    return outcome;
}

TChangeTable CarryCare(TChangeTable table, const std::string& initialCare) {
    TWork work = WorkOf(std::move(table));
    std::vector<TChangeBox> none;
    Carry(work, initialCare, std::nullopt, "", none);
    return TableOf(std::move(work));
}

std::string StatusLines(const TInitialCircumstances& initial) {
    const auto line = [](const std::string& text) {
        return std::string("\r\n<X0>") + kBullet + "<X10>" + text;
    };
    const auto state = [&](int circumstance) {
        const bool on = initial.answers[static_cast<std::size_t>(circumstance)] == kOn;
        return line(on ? kStateDescriptions[circumstance].on
                       : kStateDescriptions[circumstance].off);
    };
    std::string lines;
    if (initial.care == "100")
        lines += line("Fully in your care (shared care % = 100)");
    else if (initial.care == "0")
        lines += line("Not in your care (shared care % = 0)");
    else
        lines += line("In shared care (shared care % = " + initial.care + ")");
    lines += initial.studyAllYear
                 ? line("Enrolled and remained enrolled in full time education for whole income "
                        "year")
                 : state(ciEducation);
    for (const int circumstance : {ciPayment, ciSchemePayment, ciAbsentWithoutConsent, ciResident})
        lines += state(circumstance);
    return lines;
}

Date DayZero(std::optional<Date> birth) {
    return birth && *birth > kYearStart ? *birth : kYearStart;
}

bool ChangeDateAllowed(Date date, Date dayZero) { return date > dayZero && date <= kYearEnd; }

}  // namespace ftb::assessment
