#include "interview/Child.h"

#include <QFont>
#include <QPalette>
#include <QScrollArea>
#include <QVariant>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "controls/Textlbl.h"
#include "controls/XGrid.h"
#include "data/Errors.h"
#include "interview/ScreenBuilder.h"
#include "platform/QtText.h"

namespace ftb::interview {

namespace {

constexpr const char* kTagProperty = "Tag";
constexpr const char* kTabOrderProperty = "TabOrder";

// value * M / D rounded to the nearest integer, halves away from zero, without overflow.
int MulDiv(int value, int M, int D) {
    const std::int64_t product = static_cast<std::int64_t>(value) * M;
    const std::int64_t half = std::llabs(D) / 2;
    const bool negative = (product < 0) != (D < 0);
    const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(D);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

void ScaleFont(QWidget& control, int M, int D) {
    QFont font = control.font();
    if (font.pointSize() > 0)
        font.setPointSize(std::max(1, MulDiv(font.pointSize(), M, D)));
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, MulDiv(font.pixelSize(), M, D)));
    control.setFont(font);
}

void ScaleBounds(QWidget& control, int M, int D) {
    const QRect bounds = control.geometry();
    control.setGeometry(MulDiv(bounds.x(), M, D), MulDiv(bounds.y(), M, D),
                        MulDiv(bounds.width(), M, D), MulDiv(bounds.height(), M, D));
}

}  // namespace

int TagOf(const QObject* component) {
    if (!component) return 0;
    const QVariant tag = component->property(kTagProperty);
    return tag.isValid() ? tag.toInt() : 0;
}

void SetTag(QObject* component, int tag) { component->setProperty(kTagProperty, tag); }

int TabOrderOf(const QObject* control) {
    if (!control) return -1;
    const QVariant order = control->property(kTabOrderProperty);
    return order.isValid() ? order.toInt() : -1;
}

void SetTabOrder(QObject* control, int order) { control->setProperty(kTabOrderProperty, order); }

TChildForm::TChildForm(TScreenContext& context) : QWidget(nullptr), context_(context) {
    setVisible(false);
    setWindowFlags(Qt::FramelessWindowHint);
    setGeometry(0, 0, kDesignWidth, kDesignHeight);
    // The screens are designed on white.
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);
    QFont screenFont(QStringLiteral("Arial"));
    screenFont.setPointSize(10);
    setFont(screenFont);
}

TChildForm::~TChildForm() = default;

void TChildForm::AddComponent(QObject* component) { components_.push_back(component); }

QObject* TChildForm::FindComponent(std::string_view name) const {
    const QString wanted = platform::FromWin1252(name);
    for (QObject* component : components_)
        if (component->objectName() == wanted) return component;
    MissingComponent(name);
}

void TChildForm::MissingComponent(std::string_view name) {
    throw EFtbError("The screen has no control " + std::string(name));
}

void TChildForm::ChangeScale(int M, int D) {
    if (M <= 0 || D <= 0) return;
    for (QObject* component : components_) {
        if (auto* text = qobject_cast<controls::TTextLbl*>(component)) {
            text->ChangeScale(M, D);
        } else if (auto* grid = qobject_cast<controls::TXGrid*>(component)) {
            grid->ScaleBy(M, D);
        } else if (auto* control = qobject_cast<QWidget*>(component)) {
            ScaleBounds(*control, M, D);
            ScaleFont(*control, M, D);
        }
    }
    for (QObject* component : components_)
        if (auto* box = qobject_cast<QScrollArea*>(component)) FitScrollBoxContents(*box);
}

TFrameWnd& TChildForm::Frame() const {
    if (!context_.Frame) throw EFtbError("The screen is not shown in the interview frame");
    return *context_.Frame;
}

}  // namespace ftb::interview
