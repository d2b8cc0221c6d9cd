#pragma once
// TTextLbl, the marked-up text label of the question screens: the questions, explanations and the
// yellow hint box. The widget owns the layout engine, paints it on a QPainter, gives it the
// mouse, and takes the height and position the engine gives itself. It never takes the focus.
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/core/TextLayout.h"
#include "platform/Dialogs.h"

namespace ftb::controls {

class TTextLbl : public QWidget {
    Q_OBJECT

  public:
    // A label of 80 x 40 pixels in "Arial" 10 points; errors of its event handlers are shown
    // through dialogs.
    TTextLbl(QWidget* parent, platform::Dialogs& dialogs);

    // Published properties; each is the engine's, and those that change the picture repaint.
    const std::vector<std::string>& Text() const { return layout_.Text(); }
    void SetText(std::vector<std::string> lines) { layout_.SetText(std::move(lines)); }
    void SetText(std::string_view text) { layout_.SetText(text); }  // split at CR LF, CR, LF
    int LineSpacing() const { return layout_.LineSpacing(); }
    void SetLineSpacing(int tenths) { layout_.SetLineSpacing(tenths); }
    int Section() const { return layout_.Section(); }
    void SetSection(int section) { layout_.SetSection(section); }
    int CurrentSection() const { return layout_.CurrentSection(); }
    void SetCurrentSection(int section) { layout_.SetCurrentSection(section); }
    bool CalculateHeight() const { return layout_.CalculateHeight(); }
    void SetCalculateHeight(bool on) { layout_.SetCalculateHeight(on); }
    int BottomMargin() const { return layout_.BottomMargin(); }
    void SetBottomMargin(int pixels) { layout_.SetBottomMargin(pixels); }
    int ParentBottomMargin() const { return layout_.ParentBottomMargin(); }
    void SetParentBottomMargin(int pixels) { layout_.SetParentBottomMargin(pixels); }
    TBevelCut BevelInner() const { return layout_.BevelInner(); }
    void SetBevelInner(TBevelCut cut) { layout_.SetBevelInner(cut); }
    TBevelCut BevelOuter() const { return layout_.BevelOuter(); }
    void SetBevelOuter(TBevelCut cut) { layout_.SetBevelOuter(cut); }
    int BevelWidth() const { return layout_.BevelWidth(); }
    void SetBevelWidth(int pixels) { layout_.SetBevelWidth(pixels); }
    bool Transparent() const { return layout_.Transparent(); }
    void SetTransparent(bool on) { layout_.SetTransparent(on); }
    TColor Color() const { return layout_.Color(); }
    void SetColor(TColor color) { layout_.SetColor(color); }
    const TFontDesc& Font() const { return layout_.Font(); }
    void SetFont(TFontDesc font) { layout_.SetFont(std::move(font)); }
    // The component name: the object name, and the text of a label without lines.
    const std::string& Name() const { return layout_.Name(); }
    void SetName(std::string name);
    TCursor Cursor() const { return layout_.Cursor(); }
    void SetCursor(TCursor cursor);

    // The words the label shows, without markup (a screen reader's name of the label).
    QString PlainText();

    // Records the design font and cursor; called once the screen description has set the
    // properties.
    void Loaded() { layout_.Loaded(); }
    // The screen was scaled by multiplier/divisor: the bounds and the base font scale with it
    // (rounded), and the markup's positions and font sizes follow the latest ratio. A ratio with
    // a term that is not positive changes nothing.
    void ChangeScale(int multiplier, int divisor);

    // The link under the mouse since the last move or press (0: none).
    int HoveredJumpId() const { return layout_.HoveredJumpId(); }
    int HoveredScreenId() const { return layout_.HoveredScreenId(); }

    // Events, with the engine's parameters. A handler must not delete the label while it runs
    // (deleteLater() is fine).
    TJumpEvent OnJumpClick;
    TScreenEvent OnScreenClick;
    TScreenTagEvent OnScreenTag;
    TCheckTagEvent OnCheckTag;
    TColorTagEvent OnColorTag;
    // A click on the label: the left button pressed and let go over it.
    std::function<void(QObject* Sender)> OnClick;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Guarded(const std::function<void()>& action) noexcept;
    // Hands the engine the label's bounds, its surroundings and the events that are assigned.
    void Prepare();
    void SyncBounds();
    void ApplyBounds();
    void ApplyCursor();

    platform::Dialogs& dialogs_;
    TTextLayout layout_;
};

}  // namespace ftb::controls
