#pragma once
// The rules of a dependant's change-of-circumstance table (field 732: date of change, event,
// "% Care" in force after it), as the claimant types it: the events that make sense at a row's
// date, and the processing of a row that keeps the table consistent (redundant events, same-day
// duplicates and opposites, the shared care percentage carried forward, events after a death,
// the order by date). Each operation takes the table and the dependant's initial circumstances
// and returns the new table with the boxes to show, in order; it shows nothing itself.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "data/Dates.h"
#include "data/FieldStore.h"

namespace ftb::assessment {

struct TChangeRow {
    std::string date;
    std::string event;
    std::string care;

    bool operator==(const TChangeRow&) const = default;
};
using TChangeTable = std::vector<TChangeRow>;

// The table read from its stored form, 3 cells a row (a short last row gets empty cells).
TChangeTable ChangeTableOf(const data::TextList& cells);
data::TextList CellsOf(const TChangeTable& table);

// What the dependant's changes start from.
struct TInitialCircumstances {
    // By index of the event pair table (1..5): 2 on, 1 off, 0 unanswered.
    std::array<int, 6> answers{};
    std::string care;           // the shared care percentage at the start (727)
    bool studyAllYear = false;  // in full-time education for the whole year (734)
};

enum TChangeBoxKind { cbPlain, cbInformation, cbError };
struct TChangeBox {
    TChangeBoxKind kind;
    std::string text;

    bool operator==(const TChangeBox&) const = default;
};

struct TChangeOutcome {
    TChangeTable table;
    std::vector<TChangeBox> boxes;
};

extern const char* const kEventWithoutDate;  // the box of an event in an undated row

// The events offered at a row. An undated row offers none; when it holds an event, the event is
// emptied and a plain box says a date comes first. Otherwise the base list (each circumstance's
// event away from its initial state: full-time study unless it lasted the whole year, income
// support, prescribed education, absence, residency; then "Change of shared care %" and
// "Deceased"), on which every other row dated on or before the row's date, in date order, turns
// its event into the opposite one.
struct TEventOffer {
    TChangeOutcome outcome;
    data::TextList events;
};
TEventOffer EventsOffered(TChangeTable table, std::size_t row,
                          const TInitialCircumstances& initial);

struct TRowProcessing {
    // Redundant events are removed only while the table can be edited.
    bool gridEnabled = true;
    // When the cell left is the row's "% Care" cell: the text it held when it was entered, named
    // by the message that refuses a percentage on a row that changes no percentage.
    std::optional<std::string> enteredCare;
    // Whether the box of events after a death may be shown (at most once per processing).
    bool deathWarning = true;
};

// The processing of a row that has a date and an event (any other row leaves the table as it
// is): redundant events per circumstance (full-time study, income support, absence, residency,
// prescribed education) deleted, same-day duplicates and opposites deleted until a pass deletes
// nothing, the percentage in force carried into every row, the box about events after a death,
// and the rows sorted by date (undated rows last, equal dates in table order). The row itself
// may be deleted; it is never looked at again once gone.
TChangeOutcome ProcessRow(TChangeTable table, std::size_t row,
                          const TInitialCircumstances& initial, const TRowProcessing& options);

// Every row processed in turn, first to last, as when the table is shown; the box about events
// after a death is shown once.
TChangeOutcome ProcessEveryRow(TChangeTable table, const TInitialCircumstances& initial,
                               bool gridEnabled);

// The "% Care" column refreshed from the initial percentage and the change rows, silently.
TChangeTable CarryCare(TChangeTable table, const std::string& initialCare);

// The lines that describe the initial circumstances, each "\r\n<X0>", the bullet, "<X10>" and the
// text: the care, full-time study, income support, prescribed education, absence, residency.
std::string StatusLines(const TInitialCircumstances& initial);

// The day before the first day a change can be dated: the date of birth when it is after
// 1 July 2001, else 1 July 2001.
data::Date DayZero(std::optional<data::Date> birth);
// Whether a change may be dated on the date: after day zero and not after 30 June 2002.
bool ChangeDateAllowed(data::Date date, data::Date dayZero);

}  // namespace ftb::assessment
