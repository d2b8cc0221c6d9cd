#pragma once
// What a person reads on a control: its caption or text, or for the marked-up texts, which keep
// their words to themselves, the words they paint.
#include <QString>

class QTableWidget;
class QWidget;

namespace ftb::host {

// The control's text as shown: a window's caption, a button's caption, a label's or an entry
// field's text, a text box's contents, a combo box's current text; for any other control (the
// marked-up texts) the words it paints, line by line.
QString ShownText(QWidget* control);
// The text a grid shows in a cell (the title row is row 0). EStepFailure when the grid has no
// such cell.
QString CellText(const QTableWidget* grid, int col, int row);
// Whether the control's text comes from its painting rather than from a text property.
bool IsPaintedText(QWidget* control);
// Whether an expected text is looked for among the control's words rather than compared with
// its whole text: for a painted text, and for a window's caption (which names the file).
bool MatchesByWords(QWidget* control);
// The words a widget and its children paint, in reading order: one line per baseline, runs
// that do not touch separated by a blank.
QString PaintedText(QWidget* widget);

// Blanks and line breaks collapsed to single blanks, trimmed.
QString Words(const QString& text);

// A text the way a script writes it: in quotes, with \r, \n, \t, \" and \\ escaped.
QString ScriptQuoted(const QString& text);

}  // namespace ftb::host
