#include "tools/ftb-host/Player.h"

#include "tools/ftb-host/KeyboardCommands.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>

#include "data/Win1252.h"
#include "tools/ftb-host/Controls.h"
#include "tools/ftb-host/KeyboardCommands.h"
#include "tools/ftb-host/ShownText.h"
#include "tools/ftb-host/Timings.h"
#include "tools/ftb-host/UserInput.h"
#include "tools/ftbfile/NativeArguments.h"

namespace ftb::host {
namespace {

// Modal windows closed one after the other at the most when a failed script ends.
constexpr int kMostModalWindows = 100;

QEvent::Type EventType(int& type) {
    if (type == 0) type = QEvent::registerEventType();
    return static_cast<QEvent::Type>(type);
}
int stepType = 0, idleType = 0, closeType = 0;
QEvent::Type StepEvent() { return EventType(stepType); }
QEvent::Type IdleEvent() { return EventType(idleType); }
QEvent::Type CloseModalsEvent() { return EventType(closeType); }

// Asks whether the queue is idle after an action: posted at low priority, so it arrives only
// once every event posted meanwhile at the normal priority has been handled.
class IdleProbe : public QEvent {
  public:
    explicit IdleProbe(std::size_t index) : QEvent(IdleEvent()), index(index) {}
    std::size_t index;
};

class CloseModals : public QEvent {
  public:
    explicit CloseModals(int left) : QEvent(CloseModalsEvent()), left(left) {}
    int left;
};

bool IsBox(const QWidget* widget) {
    return qobject_cast<const QMessageBox*>(widget) != nullptr ||
           qobject_cast<const QInputDialog*>(widget) != nullptr;
}

template <typename Widget>
Widget* As(QWidget* control, const char* what) {
    auto* widget = qobject_cast<Widget*>(control);
    if (widget == nullptr)
        throw EStepFailure(control->objectName() + QStringLiteral(" is not ") +
                           QLatin1String(what));
    return widget;
}

QWidget* Frame() { return FindControl(QStringLiteral("FrameWnd"), Match::Name, true); }

template <typename Widget>
Widget* FramePart(const char* name) {
    auto* part = Frame()->findChild<Widget*>(QLatin1String(name));
    if (part == nullptr)
        throw EStepFailure(QStringLiteral("the frame has no ") + QLatin1String(name));
    return part;
}

QTimer* MainTimer() {
    auto* timer = MainWindow()->findChild<QTimer*>(QStringLiteral("Timer1"));
    if (timer == nullptr) throw EStepFailure(QStringLiteral("the main window has no timer Timer1"));
    return timer;
}

QString Numbers(const QList<int>& numbers) {
    QStringList texts;
    for (int n : numbers) texts.append(QString::number(n));
    return texts.isEmpty() ? QStringLiteral("empty") : texts.join(u' ');
}

QString MessageOf(const std::exception& error) { return QString::fromUtf8(error.what()); }

// The folder of a path by its text alone, so that a name that is not UTF-8 keeps its bytes (see
// NativeArguments): the file system is not asked.
QString FolderOf(const QString& path) {
    const QString absolute =
        QDir::isAbsolutePath(path) ? path : QDir::currentPath() + QLatin1Char('/') + path;
    const qsizetype slash = absolute.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : absolute.left(slash);
}

}  // namespace

Player::Player(std::vector<ScriptCommand> commands, const QString& scriptPath,
               const HostOptions& options, std::ostream& out, ScreenTimings* timings)
    : commands_(std::move(commands)),
      scriptName_(scriptPath),
      scriptFolder_(FolderOf(scriptPath)),
      options_(options),
      out_(out),
      timings_(timings),
      notes_(commands_.size()) {
    answerer_.OnAnswered = [this](const ScriptCommand& line) { Pass(line); };
}

Player::~Player() = default;

int Player::Play() {
    PostStep();
    while (!done_ || !running_.empty())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EndRun();
    out_ << passed_ << " passed, " << (failed_ ? 1 : 0) << " failed\n" << std::flush;
    return failed_ ? 1 : 0;
}

bool Player::event(QEvent* event) {
    const QEvent::Type type = event->type();
    try {
        if (type == StepEvent()) {
            Step();
        } else if (type == IdleEvent()) {
            ActionIdle(static_cast<IdleProbe*>(event)->index);
        } else if (type == CloseModalsEvent()) {
            CloseModalWindows(static_cast<CloseModals*>(event)->left);
        } else {
            return QObject::event(event);
        }
    } catch (const std::exception& error) {
        Fail(commands_[std::clamp<std::size_t>(next_, 1, commands_.size()) - 1].line,
             MessageOf(error));
    }
    return true;
}

void Player::PostStep() {
    QCoreApplication::postEvent(this, new QEvent(StepEvent()), Qt::LowEventPriority);
}

void Player::PostIdleProbe(std::size_t index) {
    QCoreApplication::postEvent(this, new IdleProbe(index), Qt::LowEventPriority);
}

void Player::Step() {
    if (done_) return;
    if (next_ >= commands_.size()) {
        done_ = true;
        return;
    }
    const std::size_t index = next_++;
    const ScriptCommand& command = commands_[index];
    if (command.kind == CommandKind::Answer || command.kind == CommandKind::Input) {
        answerer_.Queue(command);
        PostStep();
        return;
    }
    if (!IsAction(command.kind)) {
        try {
            notes_[index] = RunCheck(command);
        } catch (const std::exception& error) {
            Fail(command.line, MessageOf(error));
            return;
        }
        Pass(command, notes_[index]);
        PostStep();
        return;
    }
    running_.emplace_back(index, QApplication::activeModalWidget());
    PostIdleProbe(index);
    if (timings_ != nullptr) timings_->CommandStarts();
    try {
        notes_[index] = RunAction(command);
        NoteSaves();
    } catch (const std::exception& error) {
        // A box that did not match explains more than what the action saw afterwards.
        if (const auto& mismatch = answerer_.Failure(); mismatch && !mismatch->message.isEmpty())
            Fail(mismatch->line != 0 ? mismatch->line : command.line, mismatch->message);
        else
            Fail(command.line, MessageOf(error));
    }
    std::erase_if(running_, [index](const auto& action) { return action.first == index; });
}

void Player::ActionIdle(std::size_t index) {
    if (done_) return;
    const auto action = std::find_if(running_.begin(), running_.end(),
                                     [index](const auto& a) { return a.first == index; });
    if (action != running_.end()) {
        // The action's code still runs: the command is done only when it waits for the person
        // in a modal window of its own (not a box, which the answers take care of).
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == action->second || IsBox(modal)) {
            PostIdleProbe(index);
            return;
        }
    }
    const ScriptCommand& command = commands_[index];
    if (const auto& mismatch = answerer_.Failure()) {
        Fail(mismatch->line != 0 ? mismatch->line : command.line, mismatch->message);
        return;
    }
    const std::deque<ScriptCommand> left = answerer_.TakeUnconsumed();
    if (!left.empty()) {
        const ScriptCommand& line = left.front();
        Fail(line.line, QStringLiteral("expected %1, no box was shown")
                            .arg(line.kind == CommandKind::Input ? QStringLiteral("an input box")
                                                                 : QStringLiteral("a box")));
        return;
    }
    Pass(command, notes_[index]);
    PostStep();
}

void Player::Pass(const ScriptCommand& command, const QString& note) {
    ++passed_;
    out_ << ftbfile::ArgumentBytes(scriptName_) << ':' << command.line << ": ok "
         << command.source.toStdString();
    if (!note.isEmpty()) out_ << " (" << note.toStdString() << ')';
    out_ << '\n' << std::flush;
}

void Player::Fail(int line, const QString& message) {
    if (failed_) return;
    failed_ = true;
    done_ = true;
    out_ << ftbfile::ArgumentBytes(scriptName_) << ':' << line << ": " << message.toStdString() << '\n'
         << std::flush;
    answerer_.CloseEveryBox();
    QCoreApplication::postEvent(this, new CloseModals(kMostModalWindows), Qt::LowEventPriority);
}

void Player::CloseModalWindows(int left) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || left == 0) return;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
    QCoreApplication::postEvent(this, new CloseModals(left - 1), Qt::LowEventPriority);
}

void Player::EndRun() {
    if (folder_ && run_ != nullptr && !run_->Finished() && !folder_->StartFailed()) {
        // The host ends every run it started, also one that a failed command left behind.
        try {
            const RunEnding ending = run_->Finish();
            if (!ending.saved)
                Fail(commands_.back().line, QStringLiteral("at the end of the script: ") +
                                                QString::fromStdString(EndingText(ending)));
        } catch (const std::exception& error) {
            Fail(commands_.back().line, MessageOf(error));
        }
    }
    run_ = nullptr;
    folder_.reset();
}

QString Player::ScriptPath(const QString& relative) const {
    return QDir::isAbsolutePath(relative) ? relative : scriptFolder_ + QLatin1Char('/') + relative;
}

QString Player::RunAction(const ScriptCommand& command) {
    if (command.kind != CommandKind::Start && (run_ == nullptr || run_->Finished()))
        throw EStepFailure(QStringLiteral("the run has ended"));
    switch (command.kind) {
        case CommandKind::Start:
            Start(command);
            break;
        case CommandKind::Click: {
            QWidget* control = FindUsableControl(command.name, Match::NameOrCaption);
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                ClickButton(button);
            else
                ClickOn(control);
            break;
        }
        case CommandKind::Type:
            TypeInto(FindUsableControl(command.name), command.text);
            break;
        case CommandKind::Cell:
            TypeIntoCell(As<QTableWidget>(FindUsableControl(command.name), "a grid"),
                         command.number, command.row, command.text);
            break;
        case CommandKind::Pick:
            PickInCell(As<QTableWidget>(FindUsableControl(command.name), "a grid"), command.number,
                       command.row, command.text);
            break;
        case CommandKind::Press:
            PressButton(As<QAbstractButton>(FindUsableControl(command.name, Match::NameOrCaption),
                                            "a button"));
            break;
        case CommandKind::ClickOn:
            ClickOn(FindControl(command.name));
            break;
        case CommandKind::ExpectPicklist:
            ExpectPicklist(command);
            break;
        case CommandKind::Key:
            PressKeys(FindUsableControl(command.name),
                      QKeySequence::fromString(command.text, QKeySequence::PortableText));
            break;
        case CommandKind::Keys:
            PressKeysInFocus(ParseKeyNotation(command.text));
            break;
        case CommandKind::List:
            ClickListLine(As<QListWidget>(FindUsableControl(command.name), "a list box"),
                          command.text);
            break;
        case CommandKind::Node:
            ClickNode(command.name);
            break;
        case CommandKind::Tick:
            return TickTimer(command.number);
        case CommandKind::Resize:
            MainWindow()->resize(command.number, command.row);
            break;
        case CommandKind::Quit:
            return Quit();
        default:
            break;
    }
    return {};
}

QString Player::RunCheck(const ScriptCommand& command) {
    switch (command.kind) {
        case CommandKind::ExpectScreen:
            ExpectScreen(command.number);
            break;
        case CommandKind::ExpectExit:
            return ExpectExit(command.number);
        case CommandKind::ExpectText:
            ExpectText(command.name, command.text);
            break;
        case CommandKind::ExpectVisible:
        case CommandKind::ExpectHidden:
        case CommandKind::ExpectEnabled:
        case CommandKind::ExpectDisabled:
            ExpectState(command);
            break;
        case CommandKind::ExpectHistory:
            ExpectHistory(command.numbers);
            break;
        case CommandKind::ExpectField:
            ExpectField(command);
            break;
        case CommandKind::ExpectSaves:
            ExpectSaves(command.number);
            break;
        case CommandKind::ExpectFocus:
            ExpectFocus(command.name);
            break;
        case CommandKind::ExpectCell:
            ExpectCell(command);
            break;
        case CommandKind::Screenshot:
            return Screenshot(command.text);
        case CommandKind::Keep:
            return Keep(command.text);
        default:
            break;
    }
    return {};
}

void Player::Start(const ScriptCommand& command) {
    folder_ = std::make_unique<RunInFolder>();
    std::optional<QString> from;
    if (command.from) from = ScriptPath(*command.from);
    folder_->Start({command.screen.value_or(kDefaultStartScreen),
                    command.key.value_or(QLatin1String(kDefaultKeySource)), from},
                   options_, timings_);
    run_ = folder_->Module();
    taxFile_ = folder_->TaxFile();
    keySource_ = folder_->KeySource();
    stamp_ = StampOf(taxFile_);
}

QString Player::TickTimer(int ticks) {
    QTimer* timer = MainTimer();
    for (int i = 0; i < ticks; ++i) {
        // A stopped timer (after a failed autosave) ticks no more.
        if (!timer->isActive()) return QStringLiteral("the timer is stopped");
        DeliverTick(timer);
        QCoreApplication::processEvents();
        NoteSaves();
    }
    return {};
}

void Player::NoteSaves() {
    if (taxFile_.empty()) return;
    const FileStamp now = StampOf(taxFile_);
    if (now == stamp_) return;
    stamp_ = now;
    ++saves_;
}

QString Player::Quit() {
    const RunEnding ending = run_->Finish();
    const QString text = QString::fromStdString(EndingText(ending));
    if (!ending.saved) throw EStepFailure(QStringLiteral("expected the answers saved, ") + text);
    return text;
}

QString Player::Screenshot(const QString& file) {
    const QString path = ScriptPath(file);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!MainWindow()->grab().save(path, "PNG"))
        throw EStepFailure(QStringLiteral("cannot write the picture ") + path);
    return path;
}

QString Player::Keep(const QString& file) {
    const QString path = ScriptPath(file);
    QFile::remove(path);
    if (!QFile::copy(QFile::decodeName(taxFile_.c_str()), path))
        throw EStepFailure(QStringLiteral("cannot copy the saved return to ") + path);
    return path;
}

void Player::ExpectScreen(int number) {
    const QString shown = FramePart<QLabel>("Label1")->text();
    if (ShownScreen() == nullptr)
        throw EStepFailure(
            QStringLiteral("expected screen %1, no screen is shown (the last was %2)")
                .arg(number)
                .arg(shown));
    if (shown != QString::number(number))
        throw EStepFailure(
            QStringLiteral("expected screen %1, the frame shows screen %2").arg(number).arg(shown));
}

QString Player::ExpectExit(int number) {
    const int message = run_->Message();
    if (message == 0)
        throw EStepFailure(QStringLiteral("expected exit %1, the module has not told the host "
                                          "(the frame shows screen %2)")
                               .arg(number)
                               .arg(FramePart<QLabel>("Label1")->text()));
    const int exit = run_->ExitScreen();
    if (exit != number)
        throw EStepFailure(QStringLiteral("expected exit %1, GetFailedScreenIndex returned %2 "
                                          "(message %3)")
                               .arg(number)
                               .arg(exit)
                               .arg(message));
    return QStringLiteral("message %1").arg(message);
}

void Player::ExpectText(const QString& name, const QString& text) {
    QWidget* control = FindControl(name);
    const QString shown = ShownText(control);
    const bool words = MatchesByWords(control);
    if (words ? Words(shown).contains(Words(text)) : shown == text) return;
    throw EStepFailure(QStringLiteral("expected %1 to %2 %3, it shows %4")
                           .arg(name,
                                words ? QStringLiteral("hold the words") : QStringLiteral("show"),
                                ScriptQuoted(text), ScriptQuoted(shown)));
}

void Player::ExpectState(const ScriptCommand& command) {
    const QString& name = command.name;
    if (command.kind == CommandKind::ExpectVisible || command.kind == CommandKind::ExpectHidden) {
        const std::vector<QWidget*> all = ControlsNamed(name);
        if (all.empty()) throw EStepFailure(QStringLiteral("there is no control ") + name);
        const bool visible =
            std::any_of(all.begin(), all.end(), [](const QWidget* w) { return w->isVisible(); });
        const bool wanted = command.kind == CommandKind::ExpectVisible;
        if (visible != wanted)
            throw EStepFailure(
                QStringLiteral("expected %1 %2, it is %3")
                    .arg(name, wanted ? QStringLiteral("visible") : QStringLiteral("hidden"),
                         visible ? QStringLiteral("visible") : QStringLiteral("hidden")));
        return;
    }
    const bool enabled = FindControl(name, Match::Name, true)->isEnabled();
    const bool wanted = command.kind == CommandKind::ExpectEnabled;
    if (enabled != wanted)
        throw EStepFailure(
            QStringLiteral("expected %1 %2, it is %3")
                .arg(name, wanted ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                     enabled ? QStringLiteral("enabled") : QStringLiteral("disabled")));
}

void Player::ExpectHistory(const std::vector<int>& numbers) {
    const QVariant history = Frame()->property("ScreenHistory");
    if (!history.isValid())
        throw EStepFailure(QStringLiteral("the frame does not show its screen history"));
    const QList<int> seen = history.value<QList<int>>();
    const QList<int> expected(numbers.begin(), numbers.end());
    if (seen != expected)
        throw EStepFailure(QStringLiteral("expected the history %1, it is %2")
                               .arg(Numbers(expected), Numbers(seen)));
}

void Player::ExpectSaves(int saves) {
    NoteSaves();
    if (saves_ != saves)
        throw EStepFailure(
            QStringLiteral("expected the return saved %1 times, it was saved %2 times")
                .arg(saves)
                .arg(saves_));
}

void Player::ExpectField(const ScriptCommand& command) {
    if (!saved_) saved_.emplace(taxFile_, keySource_);
    // A worksheet is read from a return of its own, so the lines without one still read the
    // per-worksheet fields as the return holds them.
    std::optional<SavedReturn> worksheet;
    if (!command.numbers.empty()) {
        worksheet.emplace(taxFile_, keySource_);
        worksheet->OpenWorksheet(command.numbers[0], command.numbers[1]);
    }
    const SavedReturn& saved = worksheet ? *worksheet : *saved_;
    const QString seen = QString::fromStdString(saved.FieldText(command.number));
    if (command.empty) {
        if (saved.FieldIsEmpty(command.number)) return;
        throw EStepFailure(QStringLiteral("expected field %1 empty, the saved return holds %2")
                               .arg(command.number)
                               .arg(ScriptQuoted(seen)));
    }
    if (seen != command.text)
        throw EStepFailure(QStringLiteral("expected field %1 to read %2, the saved return holds %3")
                               .arg(command.number)
                               .arg(ScriptQuoted(command.text), ScriptQuoted(seen)));
}

void Player::ExpectCell(const ScriptCommand& command) {
    const QString shown = CellText(As<QTableWidget>(FindControl(command.name), "a grid"),
                                   command.number, command.row);
    if (shown != command.text)
        throw EStepFailure(QStringLiteral("expected cell %1 %2 of %3 to show %4, it shows %5")
                               .arg(command.number)
                               .arg(command.row)
                               .arg(command.name, ScriptQuoted(command.text), ScriptQuoted(shown)));
}

void Player::ExpectPicklist(const ScriptCommand& command) {
    const QStringList offered =
        PicklistItems(As<QTableWidget>(FindUsableControl(command.name), "a grid"), command.number,
                      command.row);
    if (offered == command.items) return;
    QStringList expected, seen;
    for (const QString& item : command.items) expected.append(ScriptQuoted(item));
    for (const QString& item : offered) seen.append(ScriptQuoted(item));
    throw EStepFailure(QStringLiteral("expected the pick list of cell %1 %2 of %3 to offer %4, "
                                      "it offers %5")
                           .arg(command.number)
                           .arg(command.row)
                           .arg(command.name, expected.join(u' '), seen.join(u' ')));
}

}  // namespace ftb::host
