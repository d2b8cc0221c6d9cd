#include "controls/Textlbl.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <exception>
#include <optional>
#include <utility>

#include "controls/QtTextCanvas.h"
#include "platform/QtText.h"

namespace ftb::controls {
namespace {

// The engine calls a handler only when one is assigned, and an unassigned one means something
// (a check without a handler shows the line), so it gets a forwarder only while the label's
// own event is assigned.
template <class Event>
Event Forwarder(const Event& event) {
    if (!event) return {};
    return [&event](auto&&... args) {
        if (event) event(std::forward<decltype(args)>(args)...);
    };
}

// A screen reader reads a marked-up text as its plain words.
class TTextLblAccessible : public QAccessibleWidget {
public:
    explicit TTextLblAccessible(TTextLbl* label)
        : QAccessibleWidget(label, QAccessible::StaticText), label_(label) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && label_->accessibleName().isEmpty())
            return label_->PlainText();
        return QAccessibleWidget::text(t);
    }

private:
    TTextLbl* label_;
};

QAccessibleInterface* TextLblAccessible(const QString& key, QObject* object) {
    if (key != QLatin1String(TTextLbl::staticMetaObject.className())) return nullptr;
    auto* label = qobject_cast<TTextLbl*>(object);
    return label != nullptr ? new TTextLblAccessible(label) : nullptr;
}

// The reader is known while this code is loaded. Made after the reader list (which the first
// installation makes), the registration is undone before that list is: at exit, and first of all
// when the library holding this code is unloaded, so the list never calls into freed code.
struct TAccessibleFactoryRegistration {
    TAccessibleFactoryRegistration() { QAccessible::installFactory(TextLblAccessible); }
    ~TAccessibleFactoryRegistration() { QAccessible::removeFactory(TextLblAccessible); }
    TAccessibleFactoryRegistration(const TAccessibleFactoryRegistration&) = delete;
    TAccessibleFactoryRegistration& operator=(const TAccessibleFactoryRegistration&) = delete;
};

}  // namespace

TTextLbl::TTextLbl(QWidget* parent, platform::Dialogs& dialogs)
    : QWidget(parent), dialogs_(dialogs) {
    static const TAccessibleFactoryRegistration registration;
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    resize(layout_.Bounds().Width, layout_.Bounds().Height);
    layout_.OnInvalidate = [this] { update(); };
    layout_.OnBoundsChanged = [this] { ApplyBounds(); };
}

void TTextLbl::SetName(std::string name) {
    setObjectName(platform::FromWin1252(name));
    layout_.SetName(std::move(name));
}

void TTextLbl::SetCursor(TCursor cursor) {
    layout_.SetCursor(cursor);
    ApplyCursor();
}

void TTextLbl::ChangeScale(int multiplier, int divisor) {
    if (multiplier <= 0 || divisor <= 0) return;
    const TMarkupScale scale(multiplier, divisor);
    setGeometry(scale.Position(x()), scale.Position(y()), scale.Position(width()),
                scale.Position(height()));
    TFontDesc font = layout_.Font();
    font.Size = scale.Position(font.Size);
    layout_.SetFont(std::move(font));
    layout_.ChangeScale(multiplier, divisor);
}

void TTextLbl::paintEvent(QPaintEvent*) {
    Guarded([this] {
        Prepare();
        QPainter painter(this);
        TQtTextCanvas canvas(painter, palette());
        layout_.Paint(canvas);
    });
}

QString TTextLbl::PlainText() {
    QString plain;
    Guarded([this, &plain] {
        Prepare();
        // Measured at the label's own resolution, so the lines break as on the screen.
        QImage surface(1, 1, QImage::Format_ARGB32);
        constexpr double kInchesPerMetre = 39.37;
        surface.setDotsPerMeterX(static_cast<int>(logicalDpiX() * kInchesPerMetre));
        surface.setDotsPerMeterY(static_cast<int>(logicalDpiY() * kInchesPerMetre));
        QPainter painter(&surface);
        TQtTextCanvas canvas(painter, palette());
        plain = platform::FromWin1252(layout_.PlainText(canvas));
    });
    return plain;
}

void TTextLbl::mouseMoveEvent(QMouseEvent* event) {
    Guarded([this, event] {
        const QPoint at = event->position().toPoint();
        layout_.MouseMove(at.x(), at.y());
        ApplyCursor();
    });
    QWidget::mouseMoveEvent(event);
}

void TTextLbl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Guarded([this, event] {
        Prepare();
        const QPoint at = event->position().toPoint();
        layout_.MouseDown(at.x(), at.y());
        ApplyCursor();
    });
}

void TTextLbl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    if (OnClick) Guarded([this] { OnClick(this); });
}

void TTextLbl::moveEvent(QMoveEvent* event) {
    SyncBounds();
    QWidget::moveEvent(event);
}

void TTextLbl::resizeEvent(QResizeEvent* event) {
    SyncBounds();
    QWidget::resizeEvent(event);
}

void TTextLbl::Guarded(const std::function<void()>& action) noexcept {
    platform::ReportErrors(dialogs_, action);
}

void TTextLbl::Prepare() {
    SyncBounds();
    const QWidget* parent = parentWidget();
    layout_.SetParentClientHeight(parent ? std::optional<int>(parent->contentsRect().height())
                                         : std::nullopt);
    layout_.SetDisplayHeight(screen() ? screen()->geometry().height() : 0);
    layout_.OnJumpClick = Forwarder(OnJumpClick);
    layout_.OnScreenClick = Forwarder(OnScreenClick);
    layout_.OnScreenTag = Forwarder(OnScreenTag);
    layout_.OnCheckTag = Forwarder(OnCheckTag);
    layout_.OnColorTag = Forwarder(OnColorTag);
}

void TTextLbl::SyncBounds() { layout_.SetBounds({x(), y(), width(), height()}); }

void TTextLbl::ApplyBounds() {
    const TLabelBounds& bounds = layout_.Bounds();
    setGeometry(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
}

void TTextLbl::ApplyCursor() {
    switch (layout_.Cursor()) {
        case TCursor::crHandPoint:
            setCursor(Qt::PointingHandCursor);
            break;
        case TCursor::crIBeam:
            setCursor(Qt::IBeamCursor);
            break;
        case TCursor::crDefault:
            unsetCursor();
            break;
    }
}

}  // namespace ftb::controls
