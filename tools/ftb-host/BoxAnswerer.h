#pragma once
// Answers the module's real message boxes and input boxes as the script says: an application
// event filter sees each box as it is shown, compares it with the next queued answer or input
// line and presses the button (or types the text) once the box runs its own event loop. A box
// that no queued line matches is closed the way Esc closes it, and the script fails with the
// box's full text.
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <optional>

#include "tools/ftb-host/Script.h"

class QDialog;
class QInputDialog;
class QMessageBox;

namespace ftb::host {

class BoxAnswerer : public QObject {
    Q_OBJECT

  public:
    // Watches every box of the application while it exists.
    BoxAnswerer();
    ~BoxAnswerer() override;

    // An answer or input line for the boxes of the next action.
    void Queue(const ScriptCommand& line);
    // The lines no box has taken (taken out of the queue).
    std::deque<ScriptCommand> TakeUnconsumed();

    // The first box that did not match, as the failure of the line it should have matched (its
    // line number; 0 when no line was queued for it).
    struct Mismatch {
        int line = 0;
        QString message;
    };
    const std::optional<Mismatch>& Failure() const { return failure_; }
    // From now on every box is closed unanswered (the script is ending).
    void CloseEveryBox() { closing_ = true; }

    // Called for each answer or input line a box took.
    std::function<void(const ScriptCommand& line)> OnAnswered;
    // Called as each box is shown, before it is matched with the queue: a caller that decides
    // the answers as the boxes come queues its line here.
    std::function<void(QDialog* box)> OnShown;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Answer(QMessageBox* box);
    void Answer(QInputDialog* box);
    // Fails the script at `line` and closes the box the way Esc does.
    void Refuse(QDialog* box, int line, const QString& message);
    void Close(QDialog* box);

    std::deque<ScriptCommand> queue_;
    std::optional<Mismatch> failure_;
    bool closing_ = false;
};

// A box the way a failure message shows it: kind, title, full text and buttons.
QString DescribeBox(QMessageBox* box);

}  // namespace ftb::host
