#include "tools/ftb-host/BoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

#include "tools/ftb-host/ShownText.h"

namespace ftb::host {
namespace {

// Box texts compared line break for line break: CR LF, a lone CR and LF are one break each.
QString Breaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QString Caption(const QAbstractButton* button) { return QString(button->text()).remove(u'&'); }

QAbstractButton* ButtonOf(QMessageBox* box, const QString& name) {
    for (QAbstractButton* button : box->buttons()) {
        if (Caption(button).compare(name, Qt::CaseInsensitive) == 0) return button;
    }
    return nullptr;
}

QString Expected(const ScriptCommand& line) {
    if (line.kind == CommandKind::Input) return QStringLiteral("an input box");
    QString text = QStringLiteral("a box");
    if (line.text != QLatin1String("*"))
        text += QStringLiteral(" titled ") + ScriptQuoted(line.text);
    if (!line.part.isEmpty()) text += QStringLiteral(" saying ") + ScriptQuoted(line.part);
    return text + QStringLiteral(" with a ") + line.name + QStringLiteral(" button");
}

QString DescribeInput(QInputDialog* box) {
    return QStringLiteral("the input box %1: %2")
        .arg(ScriptQuoted(box->windowTitle()), ScriptQuoted(box->labelText()));
}

}  // namespace

QString DescribeBox(QMessageBox* box) {
    QStringList buttons;
    for (QAbstractButton* button : box->buttons()) buttons.append(Caption(button));
    return QStringLiteral("the box %1: %2 [%3]")
        .arg(ScriptQuoted(box->windowTitle()), ScriptQuoted(Breaks(box->text())),
             buttons.join(QStringLiteral(", ")));
}

BoxAnswerer::BoxAnswerer() { qApp->installEventFilter(this); }

BoxAnswerer::~BoxAnswerer() { qApp->removeEventFilter(this); }

void BoxAnswerer::Queue(const ScriptCommand& line) { queue_.push_back(line); }

std::deque<ScriptCommand> BoxAnswerer::TakeUnconsumed() { return std::exchange(queue_, {}); }

bool BoxAnswerer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (OnShown && !closing_ && (qobject_cast<QMessageBox*>(watched) != nullptr ||
                                     qobject_cast<QInputDialog*>(watched) != nullptr))
            OnShown(dialog);
        if (auto* box = qobject_cast<QMessageBox*>(watched)) Answer(box);
        if (auto* box = qobject_cast<QInputDialog*>(watched)) Answer(box);
    }
    return false;
}

void BoxAnswerer::Refuse(QDialog* box, int line, const QString& message) {
    if (!failure_) failure_ = Mismatch{line, message};
    Close(box);
}

void BoxAnswerer::Close(QDialog* box) {
    closing_ = true;
    QTimer::singleShot(0, box, [box] { box->reject(); });
}

void BoxAnswerer::Answer(QMessageBox* box) {
    if (closing_) return Close(box);
    if (queue_.empty())
        return Refuse(box, 0,
                      QStringLiteral("no box was expected, ") + DescribeBox(box) +
                          QStringLiteral(" was shown"));
    const ScriptCommand line = queue_.front();
    QAbstractButton* button = ButtonOf(box, line.name);
    const bool titled = line.text == QLatin1String("*") || line.text == box->windowTitle();
    const bool saying = Breaks(box->text()).contains(Breaks(line.part));
    if (line.kind != CommandKind::Answer || button == nullptr || !titled || !saying)
        return Refuse(box, line.line,
                      QStringLiteral("expected ") + Expected(line) + QStringLiteral(", saw ") +
                          DescribeBox(box));
    queue_.pop_front();
    if (OnAnswered) OnAnswered(line);
    QTimer::singleShot(0, button, [button] { button->click(); });
}

void BoxAnswerer::Answer(QInputDialog* box) {
    if (closing_) return Close(box);
    if (queue_.empty())
        return Refuse(box, 0,
                      QStringLiteral("no box was expected, ") + DescribeInput(box) +
                          QStringLiteral(" was shown"));
    const ScriptCommand line = queue_.front();
    if (line.kind != CommandKind::Input)
        return Refuse(box, line.line,
                      QStringLiteral("expected ") + Expected(line) + QStringLiteral(", saw ") +
                          DescribeInput(box));
    queue_.pop_front();
    if (OnAnswered) OnAnswered(line);
    QTimer::singleShot(0, box, [box, line] {
        if (line.cancel) {
            box->reject();
        } else {
            box->setTextValue(line.text);
            box->accept();
        }
    });
}

}  // namespace ftb::host
