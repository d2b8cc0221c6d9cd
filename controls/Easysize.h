#pragma once
// TFormResizer keeps the controls of a window in proportion when the window is resized: it takes
// a snapshot of every owned control's bounds once, then moves and sizes each control by the
// ratio of the owner's current size to its size at the snapshot.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "data/Errors.h"

namespace ftb::controls {

class EResizerException : public EFtbError {
public:
    using EFtbError::EFtbError;
};

// A control whose dynamic property "align" is "client" fills its parent's client area and is
// left to its parent's layout.
inline constexpr const char* kAlignProperty = "align";

class TSingleResizer {
public:
    TSingleResizer(QWidget* control, QWidget* owner);

    QWidget* Control() const { return control_.data(); }
    // Sets the control's bounds for the owner's current size and the two ratios.
    void Apply(double heightRatio, double widthRatio);

private:
    QPointer<QWidget> control_;  // cleared when the control is destroyed
    QWidget* owner_;
    int height_, left_, top_, width_;
    int ownerHeight_, ownerWidth_;
    bool adjustHeight_ = true, adjustLeft_ = true, adjustTop_ = true, adjustWidth_ = true;
};

class TFormResizer : public QObject {
public:
    using TPostResizeEvent = std::function<void(TFormResizer* sender, QWidget* comp,
                                                double heightRatio, double widthRatio)>;

    // The owner must be a widget (a form or a panel).
    explicit TFormResizer(QObject* owner);

    bool EnforceMinSize = false;
    TPostResizeEvent OnPostResize;

    // Records the design size and every owned control's bounds; only the first call counts.
    void TakeSnapshot();
    void ApplyResize();

    int DesignHeight() const { return designHeight_; }
    int DesignWidth() const { return designWidth_; }

private:
    QWidget* owner_;
    int designHeight_ = 0, designWidth_ = 0;
    std::vector<std::unique_ptr<TSingleResizer>> resizers_;
    bool initialised_ = false;
};

// Round half to even, the rounding of the system's Round.
int RoundHalfEven(double value);

}  // namespace ftb::controls
