#pragma once
// The layout engine of the marked-up text label TTextLbl: its properties, the measuring and
// drawing passes of a paint, the height and position it gives itself afterwards, and the link
// under the mouse. The Qt label owns one, paints it on its canvas and forwards the mouse to it.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/core/MarkupPass.h"
#include "controls/core/MarkupScale.h"
#include "controls/core/TextCanvas.h"

namespace ftb::controls {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// The label's position in its parent and its size.
struct TLabelBounds {
    int Left = 0;
    int Top = 0;
    int Width = 80;
    int Height = 40;

    bool operator==(const TLabelBounds&) const = default;
};

using TJumpEvent = std::function<void(int JumpID)>;
using TScreenEvent = std::function<void(int ScreenID)>;

class TTextLayout {
public:
    // The design client height of a question screen, the reference a label sticks to with
    // ParentBottomMargin when the screen is shown unscaled on a display taller than 600 pixels.
    static constexpr int kDesignScreenHeight = 482;
    static constexpr int kTallDisplayHeight = 600;

    // --- published properties
    const std::vector<std::string>& Text() const { return text_; }
    void SetText(std::vector<std::string> lines);
    void SetText(std::string_view text);  // split at CR LF, lone CR and lone LF
    int LineSpacing() const { return lineSpacing_; }
    void SetLineSpacing(int tenths);
    int Section() const { return state_.Section; }
    void SetSection(int section) { state_.Section = section; }
    int CurrentSection() const { return currentSection_; }
    void SetCurrentSection(int section);
    bool CalculateHeight() const { return calculateHeight_; }
    void SetCalculateHeight(bool on);
    int BottomMargin() const { return bottomMargin_; }
    void SetBottomMargin(int pixels);
    int ParentBottomMargin() const { return parentBottomMargin_; }
    void SetParentBottomMargin(int pixels);  // -1: the label does not move itself
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int pixels);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    const TFontDesc& Font() const { return state_.BaseFont; }
    void SetFont(TFontDesc font);
    // The component name, shown when the label has no lines.
    const std::string& Name() const { return name_; }
    void SetName(std::string name);
    const TLabelBounds& Bounds() const { return bounds_; }
    void SetBounds(const TLabelBounds& bounds);  // the owner resized or moved the label
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }

    // --- what the owner tells the label about its surroundings
    void SetParentClientHeight(std::optional<int> height) { parentClientHeight_ = height; }
    void SetDesigning(bool designing) { designing_ = designing; }
    void SetDisplayHeight(int pixels) { displayHeight_ = pixels; }

    // Records the design font size and colour and the design cursor; called once the screen
    // description has set the label's properties.
    void Loaded();

    // The screen holding the label was scaled by multiplier/divisor; the latest ratio replaces
    // the previous one. The owner scales the bounds and base font as for any control.
    void ChangeScale(int multiplier, int divisor);
    double ScaleFactor() const { return scale_.Factor(); }
    double FontScale() const { return scale_.FontFactor(); }

    // The measuring pass, the background, the drawing pass and the bevels; afterwards the label
    // sizes and places itself as CalculateHeight and ParentBottomMargin ask.
    void Paint(TTextCanvas& canvas);
    // What the label shows, without its markup: the words of a drawing pass measured on
    // `measuring`, lines broken as painted. Changes nothing the next paint or click sees.
    std::string PlainText(TTextCanvas& measuring);

    // The link under the mouse decides the cursor; a press over a link raises its event.
    void MouseMove(int x, int y);
    void MouseDown(int x, int y);
    int HoveredJumpId() const { return hoveredJumpId_; }
    int HoveredScreenId() const { return hoveredScreenId_; }

    // The links of the last drawing pass, in drawing order.
    const std::vector<THotspot>& JumpHotspots() const { return state_.JumpHotspots; }
    const std::vector<THotspot>& ScreenHotspots() const { return state_.ScreenHotspots; }

    // --- events (the owner supplies the sender by capturing it)
    TJumpEvent OnJumpClick;
    TScreenEvent OnScreenClick;
    TScreenTagEvent OnScreenTag;
    TCheckTagEvent OnCheckTag;
    TColorTagEvent OnColorTag;
    // The label needs a repaint; the owner schedules one (never paints from inside the call).
    std::function<void()> OnInvalidate;
    // The label changed its own height or position after a paint.
    std::function<void()> OnBoundsChanged;

private:
    void Invalidate() const;
    int BevelsInUse() const;
    TRect ClientRect() const;
    int RunPass(TTextCanvas& canvas, bool drawing);
    void ClearLinks();
    void DrawBevels(TTextCanvas& canvas) const;
    void FitToContent(int finalPenY);
    int ReferenceHeight() const;

    std::vector<std::string> text_;
    int lineSpacing_ = 10;
    int currentSection_ = 1;
    bool calculateHeight_ = false;
    int bottomMargin_ = 3;
    int parentBottomMargin_ = -1;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TBevelCut bevelOuter_ = TBevelCut::bvNone;
    int bevelWidth_ = 1;
    bool transparent_ = false;
    TColor color_ = clBtnFace;
    std::string name_;
    TLabelBounds bounds_;
    TCursor cursor_ = TCursor::crDefault;

    std::optional<int> parentClientHeight_;
    bool designing_ = false;
    int displayHeight_ = 0;

    int designFontSize_ = TFontDesc{}.Size;
    TColor designFontColor_ = TFontDesc{}.Color;
    TCursor designCursor_ = TCursor::crDefault;
    TMarkupScale scale_;
    TMarkupState state_;
    int hoveredJumpId_ = 0;
    int hoveredScreenId_ = 0;
};

}  // namespace ftb::controls
