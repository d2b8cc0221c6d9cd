#include "tools/ftb-host/Explorer.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <algorithm>
#include <fstream>

#include "tools/ftb-host/Controls.h"
#include "tools/ftb-host/ExceptionBoxes.h"
#include "tools/ftb-host/Host.h"
#include "tools/ftb-host/IdleWait.h"
#include "tools/ftb-host/ModuleRun.h"
#include "tools/ftb-host/ShownText.h"
#include "tools/ftb-host/Timings.h"
#include "tools/ftb-host/UserInput.h"
#include "tools/ftbfile/NativeArguments.h"

namespace ftb::host {
namespace {

// Rounds of waiting for the next screen before the host reports that none came.
constexpr int kSettleRounds = 5;

// What an input box is answered with, first, before it is cancelled.
const char* const kInputAnswer = "Bob Smith";

QString Caption(const QAbstractButton* button) { return QString(button->text()).remove(u'&'); }

// The first line of a box's text: what the replay's answer line looks for.
QString FirstLine(const QString& text) {
    return text.section(QRegularExpression(QStringLiteral("[\r\n]")), 0, 0);
}

QString SetName(int answers) {
    static const char* const names[] = {"first answers", "second answers", "no answers"};
    return QLatin1String(names[answers]);
}

// A choice's key without the screen number it starts with.
QString WithoutScreen(const QString& key) { return key.mid(key.indexOf(QLatin1String(": ")) + 2); }

QString StartLine(const RunStart& start) {
    QString line = QStringLiteral("start %1").arg(start.screen);
    if (start.fromJson) line += QStringLiteral(" --from ") + ScriptQuoted(*start.fromJson);
    return line;
}

QString StartName(const RunStart& start) {
    return QString::number(start.screen) + QStringLiteral(" on ") +
           (start.fromJson ? QFileInfo(*start.fromJson).fileName()
                           : QStringLiteral("a new return"));
}

}  // namespace

Explorer::Explorer(const HostOptions& options, std::ostream& out) : options_(options), out_(out) {
    std::optional<QString> from;
    if (!options.from.isEmpty()) from = QFileInfo(options.from).absoluteFilePath();
    starts_.push_back({options.screen, options.key, from});
    for (const ExploreStart& also : options.also) {
        std::optional<QString> json;
        if (!also.from.isEmpty()) json = QFileInfo(also.from).absoluteFilePath();
        starts_.push_back({also.screen, options.key, json});
    }
    for (const RunStart& start : starts_) startNames_.append(StartName(start));
}

Explorer::~Explorer() = default;

const ScreenTimings& Explorer::Timings() const { return *timings_; }

int Explorer::Explore() {
    if (!options_.out.isEmpty()) {
        if (!QDir().mkpath(options_.out))
            throw EHostError("Cannot make the folder " + ftbfile::ArgumentBytes(options_.out));
        // The replays of an earlier exploration would read as this one's.
        QDir folder(options_.out);
        for (const QString& old : folder.entryList({QStringLiteral("*-failure.play")}, QDir::Files))
            folder.remove(old);
    }
    // One clock over every run, so --timings reports the figures of the whole exploration.
    timings_ = std::make_unique<ScreenTimings>(false);
    timings_->OnScreenChange = [this](int screen, double ms) {
        if (ms <= kSlowChangeMs) return;
        const bool first = found_.slowest.count(screen) == 0;
        found_.slowest[screen] = std::max(found_.slowest[screen], ms);
        if (first)
            Fail(ExploreFailure::SlowChange, screen,
                 QStringLiteral("the screen took %1 ms to appear").arg(ms, 0, 'f', 1));
    };
    QElapsedTimer clock;
    clock.start();
    for (const RunStart& start : starts_) ExploreFrom(start);
    found_.seconds = static_cast<double>(clock.elapsed()) / 1000;
    for (const auto& [screen, replay] : stuckReplays_) {
        if (found_.left.count(screen) != 0) continue;
        script_ = replay;
        Fail(ExploreFailure::CannotLeave, screen, QStringLiteral("every move was refused"));
    }
    WriteFailures();
    const std::string report = ReportOf(found_, startNames_, options_.bound);
    out_ << report << std::flush;
    if (!options_.out.isEmpty()) {
        std::ofstream(ftbfile::ArgumentBytes(OutPath(QStringLiteral("report.txt")))) << report;
        QFile::remove(OutPath(QStringLiteral("running.play")));
    }
    return found_.HasException() || !found_.Unreached().empty() ? kExitFailure : kExitSuccess;
}

void Explorer::ExploreFrom(const RunStart& start) {
    routes_ = Routes();
    int runs = 0;
    while (runs < options_.bound && routes_.Next()) {
        RunRoute(start);
        ++runs;
    }
    found_.runs += runs;
    if (routes_.Left() > 0) ++found_.boundedStarts;
}

void Explorer::RunRoute(const RunStart& start) {
    uses_.clear();
    script_ = {QStringLiteral("# explored from ") + StartName(start), StartLine(start)};
    answers_.clear();
    screen_ = 0;
    answerer_ = std::make_unique<BoxAnswerer>();
    answerer_->OnShown = [this](QDialog* box) { BoxShown(box); };
    RunInFolder folder;
    try {
        WriteRunning(script_.back());
        folder.Start(start, options_, timings_.get());
        WaitUntilIdle();
        Walk(*folder.Module());
    } catch (const std::exception& error) {
        Fail(ExploreFailure::HostFailure, screen_, QString::fromUtf8(error.what()));
    }
    if (ModuleRun* run = folder.Module();
        run != nullptr && !folder.StartFailed() && !run->Finished()) {
        const RunEnding ending = run->Finish();
        if (!ending.saved)
            Fail(ExploreFailure::HostFailure, screen_, QString::fromStdString(EndingText(ending)));
    }
    WriteFailures();
    answerer_.reset();
}

void Explorer::Walk(ModuleRun& run) {
    int moves = 0;
    while (moves < options_.depth) {
        if (run.Message() != 0) {
            const int exit = run.ExitScreen();
            found_.exits.insert(exit);
            script_.append(QStringLiteral("expect exit %1").arg(exit));
            return;
        }
        QWidget* screen = ShownScreen();
        // Between two screens (a load posted again after the one that ran) the events may take
        // another round or two.
        for (int round = 0; screen == nullptr && run.Message() == 0 && round < kSettleRounds;
             ++round) {
            WaitUntilIdle();
            screen = ShownScreen();
        }
        if (run.Message() != 0) continue;
        if (screen == nullptr) {
            Fail(ExploreFailure::HostFailure, screen_,
                 QStringLiteral("no screen is shown and the module has not told the host"));
            return;
        }
        screen_ = ShownScreenNumber();
        found_.screens.insert(screen_);
        script_.append(QStringLiteral("expect screen %1").arg(screen_));
        if (!Visit(run, screen, screen_, moves)) {
            stuckReplays_.try_emplace(screen_, script_);
            return;
        }
    }
}

bool Explorer::Visit(ModuleRun& run, QWidget* screen, int number, int& moves) {
    const QPointer<QWidget> shown(screen);
    std::set<QString> tried;
    while (moves < options_.depth) {
        const ScreenParts parts = PartsOf(screen);
        std::vector<Choice> choices;
        std::vector<QString> keys;
        for (int set = parts.parts.empty() ? 2 : 0; set < 3; ++set) {
            for (QAbstractButton* move : parts.moves) {
                choices.push_back({static_cast<AnswerSet>(set), move->objectName()});
                keys.push_back(
                    QStringLiteral("%1: %2, %3").arg(number).arg(SetName(set), Caption(move)));
            }
        }
        int preferred = -1;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (tried.count(keys[i]) != 0) continue;
            if (preferred < 0 || uses_[keys[i]] < uses_[keys[static_cast<std::size_t>(preferred)]])
                preferred = static_cast<int>(i);
        }
        if (preferred < 0) return false;  // every choice was refused on this visit
        const int choice = routes_.Decide(keys, preferred);
        const QString& key = keys[static_cast<std::size_t>(choice)];
        tried.insert(key);
        ++uses_[key];
        found_.branches[number].insert(WithoutScreen(key));
        ++moves;
        Answer(screen, number, choices[static_cast<std::size_t>(choice)].answers);
        if (!shown.isNull() && ShownScreen() == screen && run.Message() == 0) {
            const QString move = choices[static_cast<std::size_t>(choice)].move;
            try {
                auto* button = qobject_cast<QAbstractButton*>(FindUsableControl(move));
                Act(QStringLiteral("click ") + move, [button] { ClickButton(button); });
            } catch (const EStepFailure&) {
                // The answers hid or disabled the move: the choice is refused.
            }
        }
        if (shown.isNull() || ShownScreen() != screen || run.Message() != 0) {
            found_.left.insert(number);
            return true;
        }
        script_.append(QStringLiteral("expect screen %1").arg(number));
    }
    return true;
}

void Explorer::Answer(QWidget* screen, int number, AnswerSet answers) {
    const QPointer<QWidget> shown(screen);
    std::set<QString> answered;
    int dateIndex = 0;
    while (!shown.isNull() && ShownScreen() == screen) {
        // Parts are read again after each answer: an answer may show or enable others.
        const ScreenParts parts = PartsOf(screen);
        const auto next =
            std::find_if(parts.parts.begin(), parts.parts.end(),
                         [&](const ScreenPart& p) { return answered.count(p.name) == 0; });
        if (next == parts.parts.end()) return;
        answered.insert(next->name);
        try {
            AnswerPart(*next, number, answers, dateIndex);
        } catch (const EStepFailure&) {
            // The part went away under the answer (a box moved on, say): the screen is read
            // again.
        }
    }
}

void Explorer::AnswerPart(const ScreenPart& part, int number, AnswerSet answers, int& dateIndex) {
    const bool second = answers == AnswerSet::Second;
    QWidget* widget = part.widgets.front();
    switch (part.kind) {
        case ScreenPart::RadioGroup: {
            if (answers == AnswerSet::Empty) return;
            auto* radio = qobject_cast<QAbstractButton*>(second ? part.widgets.back() : widget);
            Act(QStringLiteral("click ") + radio->objectName(), [radio] { ClickButton(radio); });
            return;
        }
        case ScreenPart::Check: {
            auto* check = qobject_cast<QCheckBox*>(widget);
            if (answers == AnswerSet::Empty || check->isChecked() == !second) return;
            Act(QStringLiteral("click ") + check->objectName(), [check] { ClickButton(check); });
            return;
        }
        case ScreenPart::Field: {
            auto* field = qobject_cast<QLineEdit*>(widget);
            const QString key = QStringLiteral("%1 %2").arg(number).arg(part.name);
            const EntryKind kind = KindOf(key, [&] { return ProbeEntry(field, part.name); });
            QString text;
            if (answers != AnswerSet::Empty) text = SampleAnswer(kind, second, dateIndex, false);
            if (kind == EntryKind::Date) ++dateIndex;
            if (kind == EntryKind::Nothing || (text.isEmpty() && field->text().isEmpty())) return;
            Act(QStringLiteral("type %1 %2").arg(part.name, ScriptQuoted(text)),
                [field, text] { TypeInto(field, text); });
            return;
        }
        case ScreenPart::Grid:
            AnswerGrid(qobject_cast<QTableWidget*>(widget), number, answers);
            return;
    }
}

void Explorer::AnswerGrid(QTableWidget* grid, int number, AnswerSet answers) {
    const bool second = answers == AnswerSet::Second;
    const QPointer<QTableWidget> alive(grid);
    int dateIndex = 0;
    for (int col = 0; col < grid->columnCount() && !alive.isNull() && grid->isVisible(); ++col) {
        const QString key = QStringLiteral("%1 %2 %3").arg(number).arg(grid->objectName()).arg(col);
        const EntryKind kind = KindOf(key, [&] {
            try {
                PicklistItems(grid, col, 1);
                return EntryKind::PickList;
            } catch (const EStepFailure&) {
                return ProbeEntry(OpenCell(grid, col, 1), grid->objectName());
            }
        });
        const QString cell = QStringLiteral("%1 %2 1").arg(grid->objectName()).arg(col);
        if (answers == AnswerSet::Empty || kind == EntryKind::Nothing) {
            if (CellText(grid, col, 1).isEmpty()) continue;
            Act(QStringLiteral("cell %1 \"\"").arg(cell),
                [grid, col] { TypeIntoCell(grid, col, 1, QString()); });
        } else if (kind == EntryKind::PickList) {
            QString picked;
            // The replay's line is only known once the item is picked.
            Act(QString(), [&] { picked = PickEndOfList(grid, col, 1, second); });
            script_.back() = QStringLiteral("pick %1 %2").arg(cell, ScriptQuoted(picked));
            if (picked.isEmpty()) script_.back() = QStringLiteral("# %1 offers nothing").arg(cell);
        } else {
            const QString text = SampleAnswer(kind, second, dateIndex, true);
            if (kind == EntryKind::Date) ++dateIndex;
            Act(QStringLiteral("cell %1 %2").arg(cell, ScriptQuoted(text)),
                [grid, col, text] { TypeIntoCell(grid, col, 1, text); });
        }
    }
}

EntryKind Explorer::KindOf(const QString& key, const std::function<EntryKind()>& probe) {
    if (const auto known = kinds_.find(key); known != kinds_.end()) return known->second;
    probing_ = true;
    EntryKind kind = EntryKind::Nothing;
    try {
        kind = probe();
    } catch (const EStepFailure&) {
    }
    WaitUntilIdle();
    probing_ = false;
    kinds_[key] = kind;
    return kind;
}

void Explorer::Act(const QString& line, const std::function<void()>& action) {
    WriteRunning(line);
    answers_.clear();
    timings_->CommandStarts();
    try {
        action();
    } catch (const EStepFailure& error) {
        script_.append(answers_);
        script_.append(QStringLiteral("# %1: %2").arg(line, QString::fromUtf8(error.what())));
        WaitUntilIdle();
        WriteFailures();
        throw;
    }
    WaitUntilIdle();
    script_.append(answers_);
    script_.append(line);
    WriteFailures();
}

void Explorer::BoxShown(QDialog* dialog) {
    if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
        const QString prompt =
            QStringLiteral("%1: input %2, ").arg(screen_).arg(input->labelText());
        const int choice =
            probing_
                ? 1
                : routes_.Decide({prompt + QStringLiteral("typed"), prompt + QStringLiteral("cancelled")},
                         0);
        ScriptCommand line;
        line.kind = CommandKind::Input;
        line.cancel = choice == 1;
        line.text = QLatin1String(kInputAnswer);
        if (!probing_)
            answers_.append(line.cancel ? QStringLiteral("input cancel")
                                        : QStringLiteral("input ") + ScriptQuoted(line.text));
        answerer_->Queue(line);
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(dialog);
    const QList<QAbstractButton*> buttons = box->buttons();
    if (buttons.isEmpty()) return;  // the answerer closes it and reports it in full
    const QString title = box->windowTitle();
    const QString text = box->text();
    if (!probing_ && IsExceptionReport(title, text))
        Fail(ExploreFailure::Exception, screen_, ScriptQuoted(text));
    if (!probing_ && text.trimmed().isEmpty())
        Fail(ExploreFailure::EmptyBox, screen_, QStringLiteral("the box ") + ScriptQuoted(title));
    const int preferred = std::max<int>(
        0, static_cast<int>(buttons.indexOf(static_cast<QAbstractButton*>(box->defaultButton()))));
    int choice = preferred;
    if (!probing_) {
        std::vector<QString> keys;
        for (QAbstractButton* button : buttons)
            keys.push_back(QStringLiteral("%1: %2 \"%3\", %4")
                               .arg(screen_)
                               .arg(title, FirstLine(text).left(60), Caption(button)));
        choice = routes_.Decide(keys, preferred);
        found_.branches[screen_].insert(WithoutScreen(keys[static_cast<std::size_t>(choice)]));
    }
    ScriptCommand line;
    line.kind = CommandKind::Answer;
    line.name = Caption(buttons.value(choice));
    line.text = title;
    line.part = FirstLine(text);
    if (!probing_)
        answers_.append(QStringLiteral("answer %1 %2 %3")
                            .arg(line.name, ScriptQuoted(title), ScriptQuoted(line.part)));
    answerer_->Queue(line);
}

void Explorer::Fail(ExploreFailure::Kind kind, int screen, const QString& detail) {
    // Each fault once, with the replay of the first run that met it.
    const bool known = std::any_of(found_.failures.begin(), found_.failures.end(),
                                   [&](const ExploreFailure& f) {
                                       return f.kind == kind && f.screen == screen &&
                                              f.detail == detail;
                                   });
    if (!known) found_.failures.push_back({kind, screen, detail, {}, {}});
}

void Explorer::WriteFailures() {
    for (std::size_t i = failuresWritten_; i < found_.failures.size(); ++i) {
        ExploreFailure& failure = found_.failures[i];
        failure.script = QStringList{QStringLiteral("# %1 at screen %2: %3")
                                         .arg(KindName(failure.kind))
                                         .arg(failure.screen)
                                         .arg(failure.detail)} +
                         script_;
        if (options_.out.isEmpty()) continue;
        failure.file =
            OutPath(QStringLiteral("%1-failure.play").arg(i + 1, 3, 10, QLatin1Char('0')));
        std::ofstream file(ftbfile::ArgumentBytes(failure.file));
        file << failure.script.join(u'\n').toStdString() << '\n';
    }
    failuresWritten_ = found_.failures.size();
}

void Explorer::WriteRunning(const QString& next) const {
    // Should the host itself crash, the run so far is left to replay.
    if (options_.out.isEmpty()) return;
    std::ofstream file(ftbfile::ArgumentBytes(OutPath(QStringLiteral("running.play"))));
    file << script_.join(u'\n').toStdString() << "\n# the action running: " << next.toStdString()
         << '\n';
}

QString Explorer::OutPath(const QString& name) const {
    return options_.out + QLatin1Char('/') + name;
}

}  // namespace ftb::host
