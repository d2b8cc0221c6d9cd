// The frame's own controls follow its size through the form resizer; the question screen is
// rebuilt at the scale M/D of the client panel to its size when the frame was first shown.
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <initializer_list>

#include "controls/Easysize.h"
#include "controls/QtTextCanvas.h"
#include "interview/Intrview.h"
#include "platform/Messages.h"

namespace ftb::interview {

void TFrameWnd::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!designClient_.isValid()) designClient_ = clientPanel_->size();
}

void TFrameWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!resizer_) return;
    Guarded([this] {
        resizer_->ApplyResize();
        ClientPanelResized();
    });
}

void TFrameWnd::ClientPanelResized() {
    // The screen fills the client panel whatever its scale.
    if (screen_) screen_->setGeometry(clientPanel_->rect());
    if (!designClient_.isValid() || designClient_.isEmpty()) return;

    const QSize size = clientPanel_->size();
    const double byWidth = static_cast<double>(size.width()) / designClient_.width();
    const double byHeight = static_cast<double>(size.height()) / designClient_.height();
    const int M = byWidth <= byHeight ? size.width() : size.height();
    const int D = byWidth <= byHeight ? designClient_.width() : designClient_.height();
    if (M == scaleM_ && D == scaleD_) return;

    const int oldM = scaleM_;
    scaleM_ = M;
    scaleD_ = D;
    if (screenScaled_ && M <= oldM) {
        ApplyFrameFonts(1, 1);
        if (!run_.ScreenShown) return;
    } else {
        ApplyFrameFonts(M, D);
    }
    PlaceScreenNumberLabel();

    // Only a shown screen is rebuilt: with none, a load would treat the exit screen number
    // again and tell the host a second time.
    if (!run_.ScreenShown) return;
    reload_ = true;
    const QWidget* focused = focusWidget();
    // A grid's cell editor stands for its grid, whose tab order is the one declared.
    while (focused != nullptr && TabOrderOf(focused) < 0 && screen_->isAncestorOf(focused))
        focused = focused->parentWidget();
    focusTabOrder_ = focused != nullptr ? TabOrderOf(focused) : 0;
    platform::PostMessage(this, platform::kLoadScreenMessage);
}

void TFrameWnd::ScaleShownScreen() {
    screenScaled_ = scaleM_ != scaleD_;
    if (screenScaled_) screen_->ChangeScale(scaleM_, scaleD_);
}

void TFrameWnd::ApplyFrameFonts(int M, int D) {
    const int dpi = logicalDpiY();
    auto font = [&](int designPoints, controls::TFontStyles style) {
        const int points =
            controls::RoundHalfEven(static_cast<double>(designPoints) * M / D);
        return controls::QtFont(controls::TFontDesc{"Arial", points, style}, dpi);
    };
    titleLabel_->setFont(font(kTitlePoints, controls::fsBold));
    navigatorPanel_->setFont(font(kNavigatorPoints, 0));
    const QFont buttons = font(kButtonPoints, 0);
    for (QPushButton* button :
         {btnCancel_, btnNext_, btnPrev_, btnRemove_, btnNo_, btnYes_, btnIntHelp_}) {
        button->setFont(buttons);
    }
}

void TFrameWnd::PlaceScreenNumberLabel() {
    label1_->setGeometry(10, imagePanel_->height() - label1_->height(), imagePanel_->width() - 20,
                         label1_->height());
}

}  // namespace ftb::interview
