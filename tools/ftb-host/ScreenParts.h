#pragma once
// A question screen as the explorer answers it: its radio groups, check boxes, entry fields and
// tables that a person can use now, the moves it offers (the frame's Next, Yes and No, then the
// screen's own buttons), and the sample answers typed into its entry fields and table cells.
#include <QString>
#include <vector>

class QAbstractButton;
class QLineEdit;
class QTableWidget;
class QWidget;

namespace ftb::host {

// One thing to answer, in the order the screen declares it.
struct ScreenPart {
    enum Kind { RadioGroup, Check, Field, Grid } kind = Field;
    QString name;                   // a radio group: its buttons' names joined
    std::vector<QWidget*> widgets;  // a radio group: its buttons in order; else the one control
};

struct ScreenParts {
    std::vector<ScreenPart> parts;
    std::vector<QAbstractButton*> moves;
};

// The visible, enabled parts of the screen shown in the frame: radio buttons grouped by their
// parent (each such group is one exclusive group), check boxes, entry fields (not a table's
// cell editor) and tables; and its moves.
ScreenParts PartsOf(QWidget* screen);

// What an entry field or a table cell takes, as its key filter shows it.
enum class EntryKind { Nothing, Text, Date, Number, TaxFileNumber, PickList };

// Types samples into the field (or a cell's editor) without leaving it and reads what the field
// let through: letters (a text), a date with slashes, digits (a number; a tax file number when
// the field's name says so). Leaves the field empty.
EntryKind ProbeEntry(QLineEdit* field, const QString& name);

// The sample answer of the first or the second answer set: names, an amount of 50 or an
// explicit 0, a valid tax file number, and dates. A table's dates are the income year's first
// and last days (the first date of a row is 1 July 2001 in the first set, every other one 30 June
// 2002). An entry field's first date is a birth date (1 January 1970, or 1 July 1995 in the
// second set); its later ones (a death, an absence) are left empty in the first set and are
// 30 June 2002 in the second.
QString SampleAnswer(EntryKind kind, bool second, int dateIndex, bool inGrid);

}  // namespace ftb::host
