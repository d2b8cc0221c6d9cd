#include "tools/ftb-host/ScreenParts.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <map>

#include "tools/ftb-host/UserInput.h"

namespace ftb::host {
namespace {

// The frame's moves, in the order the explorer tries them.
constexpr const char* kFrameMoves[] = {"BtnNext", "BtnYes", "BtnNo"};

bool Usable(const QWidget* widget) { return widget->isVisible() && widget->isEnabled(); }

bool InGrid(const QWidget* widget) {
    for (const QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget())
        if (qobject_cast<const QTableWidget*>(up) != nullptr) return true;
    return false;
}

QWidget* FrameOf(QWidget* screen) {
    QWidget* panel = screen->parentWidget();
    return panel != nullptr ? panel->parentWidget() : nullptr;
}

}  // namespace

ScreenParts PartsOf(QWidget* screen) {
    ScreenParts found;
    std::map<QWidget*, std::size_t> groups;  // parent -> its radio group's part
    for (QWidget* widget : screen->findChildren<QWidget*>()) {
        if (!Usable(widget) || InGrid(widget)) continue;
        if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            auto [group, added] = groups.try_emplace(radio->parentWidget(), found.parts.size());
            if (added) found.parts.push_back({ScreenPart::RadioGroup, {}, {}});
            ScreenPart& part = found.parts[group->second];
            part.name +=
                (part.name.isEmpty() ? QString() : QStringLiteral("+")) + radio->objectName();
            part.widgets.push_back(radio);
        } else if (qobject_cast<QCheckBox*>(widget) != nullptr) {
            found.parts.push_back({ScreenPart::Check, widget->objectName(), {widget}});
        } else if (auto* field = qobject_cast<QLineEdit*>(widget);
                   field != nullptr && !field->isReadOnly()) {
            found.parts.push_back({ScreenPart::Field, widget->objectName(), {widget}});
        } else if (qobject_cast<QTableWidget*>(widget) != nullptr) {
            found.parts.push_back({ScreenPart::Grid, widget->objectName(), {widget}});
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            found.moves.push_back(button);
        }
    }
    std::vector<QAbstractButton*> frameMoves;
    if (QWidget* frame = FrameOf(screen)) {
        for (const char* name : kFrameMoves) {
            auto* button = frame->findChild<QPushButton*>(QLatin1String(name));
            if (button != nullptr && Usable(button)) frameMoves.push_back(button);
        }
    }
    found.moves.insert(found.moves.begin(), frameMoves.begin(), frameMoves.end());
    return found;
}

EntryKind ProbeEntry(QLineEdit* field, const QString& name) {
    if (field->isReadOnly()) return EntryKind::Nothing;
    EntryKind kind = EntryKind::Nothing;
    const QString date = QStringLiteral("01/07/2001");
    if (TypeAndStay(field, QStringLiteral("Ann")) == QLatin1String("Ann")) {
        kind = EntryKind::Text;
    } else if (TypeAndStay(field, date) == date) {
        kind = EntryKind::Date;
    } else if (TypeAndStay(field, QStringLiteral("50")) == QLatin1String("50")) {
        kind = name.contains(QLatin1String("TFN"), Qt::CaseInsensitive) ? EntryKind::TaxFileNumber
                                                                        : EntryKind::Number;
    }
    TypeAndStay(field, QString());
    return kind;
}

QString SampleAnswer(EntryKind kind, bool second, int dateIndex, bool inGrid) {
    switch (kind) {
        case EntryKind::Text:
            return second ? QStringLiteral("Bob") : QStringLiteral("Ann Lee");
        case EntryKind::Date:
            if (inGrid)
                return !second && dateIndex == 0 ? QStringLiteral("01/07/2001")
                                                 : QStringLiteral("30/06/2002");
            if (dateIndex == 0)
                return second ? QStringLiteral("01/07/1995") : QStringLiteral("01/01/1970");
            return second ? QStringLiteral("30/06/2002") : QString();
        case EntryKind::Number:
            return second ? QStringLiteral("0") : QStringLiteral("50");
        case EntryKind::TaxFileNumber:
            return QStringLiteral("123456782");
        case EntryKind::Nothing:
        case EntryKind::PickList:
            break;
    }
    return {};
}

}  // namespace ftb::host
