#include "interview/ScreenAccess.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>

#include "controls/Textlbl.h"
#include "interview/Child.h"

namespace ftb::interview {
namespace {

constexpr const char* kHintBoxName = "TextLblYellowBox";

QString LastLine(const QString& text) {
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        const QString trimmed = line->trimmed();
        if (!trimmed.isEmpty()) return trimmed;
    }
    return {};
}

QString WithoutMnemonic(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return caption;
}

}  // namespace

void NameScreenControls(TChildForm& screen) {
    QString hint;
    for (QObject* component : screen.Components()) {
        auto* text = qobject_cast<controls::TTextLbl*>(component);
        if (text != nullptr && text->objectName() == QLatin1String(kHintBoxName) &&
            !text->isHidden())
            hint = text->PlainText().simplified();
    }

    QString label;
    for (QObject* component : screen.Components()) {
        auto* widget = qobject_cast<QWidget*>(component);
        if (widget == nullptr || widget->isHidden()) continue;
        if (auto* text = qobject_cast<controls::TTextLbl*>(widget)) {
            if (text->objectName() != QLatin1String(kHintBoxName))
                label = LastLine(text->PlainText());
            continue;
        }
        if (auto* plain = qobject_cast<QLabel*>(widget)) {
            label = WithoutMnemonic(plain->text()).trimmed();
            continue;
        }
        if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            if (!group->title().isEmpty()) label = WithoutMnemonic(group->title()).trimmed();
            continue;
        }
        if (!(widget->focusPolicy() & Qt::TabFocus)) continue;
        if (!hint.isEmpty() && widget->accessibleDescription().isEmpty())
            widget->setAccessibleDescription(hint);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (button != nullptr && !button->text().isEmpty()) continue;
        if (widget->accessibleName().isEmpty() && !label.isEmpty())
            widget->setAccessibleName(label);
    }
}

}  // namespace ftb::interview
