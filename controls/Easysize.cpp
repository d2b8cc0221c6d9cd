#include "controls/Easysize.h"

#include <QLabel>
#include <QVariant>
#include <cmath>

namespace ftb::controls {
namespace {

QWidget* OwnerWidget(QObject* owner) {
    if (owner == nullptr) throw EResizerException("TFormResizer created without an owner");
    auto* widget = qobject_cast<QWidget*>(owner);
    if (widget == nullptr) throw EResizerException("TFormResizer owner must be a panel or form");
    return widget;
}

bool FillsItsParent(const QWidget* control) {
    return control->property(kAlignProperty).toString() == QStringLiteral("client");
}

// The controls a window owns: the named widgets it holds, in creation order. Unnamed widgets
// are the inner parts of compound controls, which their own control lays out.
std::vector<QWidget*> OwnedControls(QWidget* owner) {
    std::vector<QWidget*> controls;
    std::function<void(QWidget*)> walk = [&](QWidget* parent) {
        for (QObject* child : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget == nullptr || widget->isWindow() || widget->objectName().isEmpty()) continue;
            controls.push_back(widget);
            walk(widget);
        }
    };
    walk(owner);
    return controls;
}

}  // namespace

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

TSingleResizer::TSingleResizer(QWidget* control, QWidget* owner) : control_(control), owner_(owner) {
    if (control == nullptr) throw EResizerException("TSingleResizer created without a component link");
    if (owner == nullptr) throw EResizerException("TSingleResizer created without a parent form link");
    const QRect bounds = control->geometry();
    height_ = bounds.height();
    left_ = bounds.x();
    top_ = bounds.y();
    width_ = bounds.width();
    ownerHeight_ = owner->height();
    ownerWidth_ = owner->width();
    if (qobject_cast<QLabel*>(control) != nullptr) adjustWidth_ = false;
}

void TSingleResizer::Apply(double heightRatio, double widthRatio) {
    QWidget* control = control_.data();
    if (control == nullptr || FillsItsParent(control)) return;
    QRect bounds = control->geometry();
    int height = bounds.height(), left = bounds.x(), top = bounds.y(), width = bounds.width();
    if (owner_->height() == ownerHeight_ && owner_->width() == ownerWidth_) {
        if (adjustHeight_) height = height_;
        if (adjustLeft_) left = left_;
        if (adjustTop_) top = top_;
        if (adjustWidth_) width = width_;
    } else {
        if (adjustHeight_) height = RoundHalfEven(height_ * heightRatio);
        if (adjustWidth_) width = RoundHalfEven(width_ * widthRatio);
        if (adjustLeft_) left = RoundHalfEven(widthRatio * left_);
        if (adjustTop_) top = RoundHalfEven(heightRatio * top_);
    }
    control->setGeometry(left, top, width, height);
}

TFormResizer::TFormResizer(QObject* owner) : QObject(owner), owner_(OwnerWidget(owner)) {}

void TFormResizer::TakeSnapshot() {
    if (initialised_) return;
    designHeight_ = owner_->height();
    designWidth_ = owner_->width();
    for (QWidget* control : OwnedControls(owner_)) {
        resizers_.push_back(std::make_unique<TSingleResizer>(control, owner_));
    }
    initialised_ = true;
}

void TFormResizer::ApplyResize() {
    if (!initialised_ || designHeight_ == 0 || designWidth_ == 0) return;
    if (EnforceMinSize) {
        if (owner_->height() < designHeight_) owner_->resize(owner_->width(), designHeight_);
        if (owner_->width() < designWidth_) owner_->resize(designWidth_, owner_->height());
    }
    const double heightRatio = static_cast<double>(owner_->height()) / designHeight_;
    const double widthRatio = static_cast<double>(owner_->width()) / designWidth_;
    for (const auto& resizer : resizers_) {
        QWidget* control = resizer->Control();
        if (control == nullptr || FillsItsParent(control)) continue;
        resizer->Apply(heightRatio, widthRatio);
        if (OnPostResize) OnPostResize(this, control, heightRatio, widthRatio);
    }
}

}  // namespace ftb::controls
