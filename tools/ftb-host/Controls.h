#pragma once
// The module's windows and controls as the host sees them: found through the application's
// object tree by object name (or a button's caption), and read as a person reads them.
#include <QString>
#include <stdexcept>
#include <vector>

class QTableWidget;
class QWidget;

namespace ftb::host {

// A command that did not get what it expected; the message says what was expected and what was
// seen.
class EStepFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    explicit EStepFailure(const QString& message) : std::runtime_error(message.toStdString()) {}
};

enum class Match {
    Name,           // the object name
    NameOrCaption,  // also a button's caption, as written ("&Next") or as shown ("Next")
};

// Every widget of the application that answers to `name`.
std::vector<QWidget*> ControlsNamed(const QString& name, Match match = Match::Name);

// The one control a person means by `name`: a visible one, and among several visible ones the
// one in the active window. EStepFailure when there is none, several, or only hidden ones
// (unless `hiddenToo`: then a single hidden control is also the one).
QWidget* FindControl(const QString& name, Match match = Match::Name, bool hiddenToo = false);

// FindControl, and the control must be enabled and not behind a modal window: the one a
// person can operate.
QWidget* FindUsableControl(const QString& name, Match match = Match::Name);

// EStepFailure unless the grid has the data cell (columns from 0, rows from 1: row 0 is the
// title row).
void RequireCell(const QTableWidget* grid, int col, int row);

// The question screen shown in the interview frame's client panel, and the screen number the
// frame shows for it; null and 0 when no screen is shown.
QWidget* ShownScreen();
int ShownScreenNumber();

// The module's main window (object name "MainForm", else its one visible main window).
QWidget* MainWindow();

}  // namespace ftb::host
