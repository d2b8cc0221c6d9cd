#include "tools/ftb-host/KeyboardCommands.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QTest>
#include <QWidget>
#include <stdexcept>

#include "tools/ftb-host/Controls.h"

namespace ftb::host {
namespace {

// Names a person writes that the key sequence notation spells otherwise.
QString Canonical(const QString& name) {
    QString canonical = name;
    return canonical.replace(QStringLiteral("Enter"), QStringLiteral("Return"));
}

KeyStroke Named(const QString& name) {
    const QKeySequence sequence = QKeySequence::fromString(Canonical(name), QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        throw std::invalid_argument("not a key: {" + name.toStdString() + "}");
    KeyStroke stroke{sequence[0].key(), sequence[0].keyboardModifiers(), {}};
    // Shift+Tab comes as Backtab from a real keyboard.
    if (stroke.key == Qt::Key_Tab && (stroke.modifiers & Qt::ShiftModifier))
        stroke.key = Qt::Key_Backtab;
    return stroke;
}

// A button pressed by its letter clicks itself a moment later, as on the desktop.
bool ButtonAnimating() {
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (button != nullptr && button->isDown()) return true;
    }
    return false;
}

// On a real display a window that has just opened gets the keyboard a moment later, when the
// display server says so; a person waits for it before typing on.
void WaitForModalWindow() {
    constexpr int kStepMs = 20, kMostSteps = 100;
    auto settled = [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return true;
        const QWidget* focus = QApplication::focusWidget();
        return modal->isActiveWindow() && focus != nullptr && focus->window() == modal;
    };
    for (int step = 0; step < kMostSteps && !settled(); ++step) QTest::qWait(kStepMs);
}

// The name of the control a widget is or is part of; the names Qt gives the parts of its
// own widgets (a grid's viewport around its cell editor) are passed over.
QString NameOf(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    return QString::fromLatin1(widget->metaObject()->className());
}

}  // namespace

std::vector<KeyStroke> ParseKeyNotation(const QString& notation) {
    std::vector<KeyStroke> keys;
    for (qsizetype at = 0; at < notation.size(); ++at) {
        const QChar c = notation[at];
        if (c == u'{') {
            const QString three = notation.mid(at, 3);
            if (three == QLatin1String("{{}") || three == QLatin1String("{}}")) {
                keys.push_back({Qt::Key_unknown, {}, QString(three[1])});
                at += 2;
                continue;
            }
            const qsizetype close = notation.indexOf(u'}', at + 1);
            if (close < 0) throw std::invalid_argument("a { without its }");
            keys.push_back(Named(notation.mid(at + 1, close - at - 1)));
            at = close;
        } else if (c == u'}') {
            throw std::invalid_argument("a } without its {: write {}} for the brace");
        } else if (c == u'\n' || c == u'\r') {
            keys.push_back({Qt::Key_Return, {}, {}});
        } else if (c == u'\t') {
            keys.push_back({Qt::Key_Tab, {}, {}});
        } else {
            keys.push_back({Qt::Key_unknown, {}, QString(c)});
        }
    }
    if (keys.empty()) throw std::invalid_argument("no keys to press");
    return keys;
}

void PressKeysInFocus(const std::vector<KeyStroke>& keys) {
    for (const KeyStroke& stroke : keys) {
        WaitForModalWindow();
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr)
            throw EStepFailure(QStringLiteral("no control has the focus (the active window is %1)")
                                   .arg(QApplication::activeWindow() != nullptr
                                            ? NameOf(QApplication::activeWindow())
                                            : QStringLiteral("none")));
        if (!stroke.text.isEmpty()) {
            const QChar c = stroke.text.front();
            if (c.unicode() < 0x80 && c.isPrint())
                QTest::keyClick(target, static_cast<char>(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, stroke.text,
                                    Qt::NoModifier);
        } else {
            QTest::keyClick(target, stroke.key, stroke.modifiers);
        }
        // What the key started (a button's click after its letter, a posted move to another
        // screen) happens before the next key.
        constexpr int kClickWaitMs = 20, kMostWaits = 50;
        for (int wait = 0; wait < kMostWaits && ButtonAnimating(); ++wait) QTest::qWait(kClickWaitMs);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void ExpectFocus(const QString& name) {
    WaitForModalWindow();
    QWidget* focus = QApplication::focusWidget();
    QWidget* active = QApplication::activeWindow();
    if (focus == nullptr)
        throw EStepFailure(QStringLiteral("expected the focus on %1, no control has it (the active "
                                          "window is %2)")
                               .arg(name, active != nullptr ? NameOf(active) : QStringLiteral("none")));
    const QString seen = NameOf(focus);
    if (seen != name)
        throw EStepFailure(QStringLiteral("expected the focus on %1, it is on %2").arg(name, seen));
    if (active != focus->window())
        throw EStepFailure(QStringLiteral("the focus is on %1, but its window %2 is not the active "
                                          "one (%3 is)")
                               .arg(name, NameOf(focus->window()),
                                    active != nullptr ? NameOf(active) : QStringLiteral("none")));
}

}  // namespace ftb::host
