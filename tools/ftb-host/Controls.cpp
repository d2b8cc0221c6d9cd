#include "tools/ftb-host/Controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTableWidget>
#include <QWidget>
#include <algorithm>

namespace ftb::host {
namespace {

bool Answers(const QWidget* widget, const QString& name, Match match) {
    if (widget->objectName() == name) return true;
    if (match != Match::NameOrCaption) return false;
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (button == nullptr) return false;
    const QString caption = button->text();
    return caption == name || QString(caption).remove(u'&') == name;
}

// The window a person is working in: the modal one while it is open.
QWidget* ActiveWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

QString Count(std::size_t n, const char* what) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(what));
}

}  // namespace

std::vector<QWidget*> ControlsNamed(const QString& name, Match match) {
    std::vector<QWidget*> found;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (Answers(widget, name, match)) found.push_back(widget);
    }
    return found;
}

QWidget* FindControl(const QString& name, Match match, bool hiddenToo) {
    const std::vector<QWidget*> all = ControlsNamed(name, match);
    if (all.empty()) throw EStepFailure(QStringLiteral("there is no control ") + name);
    std::vector<QWidget*> visible;
    std::copy_if(all.begin(), all.end(), std::back_inserter(visible),
                 [](const QWidget* w) { return w->isVisible(); });
    if (visible.empty()) {
        if (hiddenToo && all.size() == 1) return all.front();
        throw EStepFailure(name + QStringLiteral(" is hidden"));
    }
    if (visible.size() == 1) return visible.front();
    QWidget* active = ActiveWindow();
    std::vector<QWidget*> inActive;
    std::copy_if(visible.begin(), visible.end(), std::back_inserter(inActive),
                 [active](const QWidget* w) { return active != nullptr && w->window() == active; });
    if (inActive.size() == 1) return inActive.front();
    throw EStepFailure(name + QStringLiteral(" names ") +
                       Count(visible.size(), "visible controls") +
                       QStringLiteral(" and not one in the active window"));
}

QWidget* FindUsableControl(const QString& name, Match match) {
    QWidget* control = FindControl(name, match);
    if (!control->isEnabled()) throw EStepFailure(name + QStringLiteral(" is disabled"));
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && control->window() != modal && !modal->isAncestorOf(control))
        throw EStepFailure(name + QStringLiteral(" is behind the modal window \"") +
                           modal->windowTitle() + u'"');
    return control;
}

QWidget* ShownScreen() {
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() != QLatin1String("ClientPanel")) continue;
        for (QObject* child : widget->children()) {
            auto* screen = qobject_cast<QWidget*>(child);
            if (screen != nullptr && screen->isVisible()) return screen;
        }
    }
    return nullptr;
}

int ShownScreenNumber() {
    QWidget* screen = ShownScreen();
    if (screen == nullptr) return 0;
    const auto* label =
        screen->parentWidget()->parentWidget()->findChild<QLabel*>(QStringLiteral("Label1"));
    return label != nullptr ? label->text().toInt() : 0;
}

QWidget* MainWindow() {
    QWidget* single = nullptr;
    int mainWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("MainForm")) return widget;
        if (qobject_cast<QMainWindow*>(widget) != nullptr && widget->isVisible()) {
            single = widget;
            ++mainWindows;
        }
    }
    if (mainWindows == 1) return single;
    throw EStepFailure(QStringLiteral("the module's main window is not there"));
}

void RequireCell(const QTableWidget* grid, int col, int row) {
    if (col >= 0 && row >= 1 && col < grid->columnCount() && row - 1 < grid->rowCount()) return;
    throw EStepFailure(QStringLiteral("%1 has no cell %2 %3 (%4 columns, rows 1 to %5)")
                           .arg(grid->objectName())
                           .arg(col)
                           .arg(row)
                           .arg(grid->columnCount())
                           .arg(grid->rowCount()));
}

}  // namespace ftb::host
