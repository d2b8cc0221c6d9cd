#include "platform/KeyboardFocus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QShortcutEvent>

namespace ftb::platform {
namespace {

// Presses the button it watches on Enter or Return without modifiers, and on its own mnemonic
// at once: Qt's shortcut holds the click back for a 100 ms animation, so Alt and the letter
// would take six frames to move to the next screen where the mouse takes one.
class TEnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button == nullptr || !button->isEnabled()) return false;
        if (event->type() == QEvent::Shortcut) {
            // An ambiguous letter only moves the focus, as Qt does.
            if (static_cast<QShortcutEvent*>(event)->isAmbiguous()) return false;
            if (button->isCheckable() && (button->focusPolicy() & Qt::ClickFocus))
                button->setFocus(Qt::ShortcutFocusReason);
            button->click();
            return true;
        }
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        button->click();
        return true;
    }
};

bool Takes(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled() &&
           widget->focusProxy() == nullptr;
}

}  // namespace

void ActivateWindowOf(QWidget* widget) {
    if (widget == nullptr) return;
    QWidget* window = widget->window();
    if (!window->isVisible()) return;
    window->activateWindow();
    // Without a window manager nothing answers the request: make it the active window here.
    QApplication::setActiveWindow(window);
}

void TabStopFollowsCheck(QAbstractButton& radio) {
    QObject::connect(&radio, &QAbstractButton::toggled, &radio, [&radio](bool checked) {
        if (!checked || !radio.autoExclusive() || radio.parentWidget() == nullptr) return;
        for (QAbstractButton* sibling : radio.parentWidget()->findChildren<QAbstractButton*>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            if (!sibling->isCheckable() || !sibling->autoExclusive()) continue;
            const Qt::FocusPolicy policy = sibling->focusPolicy();
            sibling->setFocusPolicy(sibling == &radio
                                        ? static_cast<Qt::FocusPolicy>(policy | Qt::TabFocus)
                                        : static_cast<Qt::FocusPolicy>(policy & ~Qt::TabFocus));
        }
    });
}

void PressOnEnter(QAbstractButton& button) {
    button.installEventFilter(new TEnterPresses(&button));
}

TFocusReturn::TFocusReturn() : control_(QApplication::focusWidget()) {}

void TFocusReturn::Restore(QWidget* fallback) const {
    QWidget* control = control_.data();
    if (control == nullptr || !control->isVisible()) {
        ActivateWindowOf(fallback);
        return;
    }
    ActivateWindowOf(control);
    control->setFocus(Qt::ActiveWindowFocusReason);
}

bool FocusBeyond(QWidget& compound, bool next) {
    QWidget* candidate = &compound;
    while (true) {
        candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (candidate == nullptr || candidate == &compound) return false;
        if (compound.isAncestorOf(candidate) || !Takes(candidate)) continue;
        if (candidate->window() != compound.window()) continue;
        candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
}

}  // namespace ftb::platform
