#include "controls/core/TextLayout.h"

#include <utility>

#include "controls/core/MarkupParser.h"
#include "controls/core/PlainTextCanvas.h"

namespace ftb::controls {
namespace {

const THotspot* HotspotAt(const std::vector<THotspot>& hotspots, int x, int y) {
    for (const THotspot& hotspot : hotspots) {
        const TRect& r = hotspot.Rect;
        if (x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom) return &hotspot;
    }
    return nullptr;
}

}  // namespace

void TTextLayout::SetText(std::vector<std::string> lines) {
    text_ = std::move(lines);
    Invalidate();
}

void TTextLayout::SetText(std::string_view text) { SetText(SplitMarkupLines(text)); }

void TTextLayout::SetLineSpacing(int tenths) {
    if (tenths == lineSpacing_) return;
    lineSpacing_ = tenths;
    Invalidate();
}

void TTextLayout::SetCurrentSection(int section) {
    currentSection_ = section;
    Invalidate();
}

void TTextLayout::SetCalculateHeight(bool on) {
    if (on == calculateHeight_) return;
    calculateHeight_ = on;
    Invalidate();
}

void TTextLayout::SetBottomMargin(int pixels) {
    bottomMargin_ = pixels;
    Invalidate();
}

void TTextLayout::SetParentBottomMargin(int pixels) {
    parentBottomMargin_ = pixels;
    Invalidate();
}

void TTextLayout::SetBevelInner(TBevelCut cut) {
    bevelInner_ = cut;
    Invalidate();
}

void TTextLayout::SetBevelOuter(TBevelCut cut) {
    bevelOuter_ = cut;
    Invalidate();
}

void TTextLayout::SetBevelWidth(int pixels) {
    bevelWidth_ = pixels;
    Invalidate();
}

void TTextLayout::SetTransparent(bool on) {
    if (on == transparent_) return;
    transparent_ = on;
    Invalidate();
}

void TTextLayout::SetColor(TColor color) {
    color_ = color;
    Invalidate();
}

void TTextLayout::SetFont(TFontDesc font) {
    state_.BaseFont = std::move(font);
    Invalidate();
}

void TTextLayout::SetName(std::string name) {
    name_ = std::move(name);
    Invalidate();
}

void TTextLayout::SetBounds(const TLabelBounds& bounds) {
    if (bounds == bounds_) return;
    bounds_ = bounds;
    Invalidate();
}

void TTextLayout::Loaded() {
    designFontSize_ = state_.BaseFont.Size;
    designFontColor_ = state_.BaseFont.Color;
    designCursor_ = cursor_;
}

void TTextLayout::ChangeScale(int multiplier, int divisor) {
    scale_ = TMarkupScale(multiplier, divisor);
    Invalidate();
}

void TTextLayout::Paint(TTextCanvas& canvas) {
    ClearLinks();
    RunPass(canvas, false);
    if (!transparent_) canvas.FillRect(ClientRect(), color_);
    ClearLinks();
    const int finalPenY = RunPass(canvas, true);
    if (text_.empty()) {
        canvas.SetFont(state_.BaseFont);
        canvas.DrawWrappedText(ClientRect(), name_);
    }
    DrawBevels(canvas);
    FitToContent(finalPenY);
}

std::string TTextLayout::PlainText(TTextCanvas& measuring) {
    if (text_.empty()) return name_;
    TPlainTextCanvas recorder(measuring);
    const TMarkupState kept = state_;
    RunPass(recorder, true);
    state_ = kept;
    return recorder.Text();
}

void TTextLayout::MouseMove(int x, int y) {
    hoveredJumpId_ = 0;
    hoveredScreenId_ = 0;
    if (const THotspot* jump = HotspotAt(state_.JumpHotspots, x, y)) hoveredJumpId_ = jump->Id;
    if (const THotspot* screen = HotspotAt(state_.ScreenHotspots, x, y)) {
        hoveredScreenId_ = screen->Id;
        hoveredJumpId_ = 0;
    }
    const bool overLink = hoveredJumpId_ > 0 || hoveredScreenId_ > 0;
    cursor_ = overLink ? TCursor::crHandPoint : designCursor_;
}

void TTextLayout::MouseDown(int x, int y) {
    // The press looks at the links drawn now, not at those of the last move: a repaint since
    // then may have moved them.
    MouseMove(x, y);
    if (cursor_ != TCursor::crHandPoint) return;
    if (OnJumpClick && hoveredJumpId_ > 0) OnJumpClick(hoveredJumpId_);
    if (OnScreenClick && hoveredScreenId_ > 0) OnScreenClick(hoveredScreenId_);
}

void TTextLayout::Invalidate() const {
    if (OnInvalidate) OnInvalidate();
}

int TTextLayout::BevelsInUse() const {
    return (bevelInner_ != TBevelCut::bvNone ? 1 : 0) + (bevelOuter_ != TBevelCut::bvNone ? 1 : 0);
}

TRect TTextLayout::ClientRect() const { return {0, 0, bounds_.Width, bounds_.Height}; }

int TTextLayout::RunPass(TTextCanvas& canvas, bool drawing) {
    const int inset = ClampCoordinate(static_cast<long long>(bevelWidth_) * BevelsInUse());
    const TMarkupPassInput input{
        .Lines = text_,
        .LineSpacing = lineSpacing_,
        .CurrentSection = currentSection_,
        .DesignFontSize = designFontSize_,
        .DesignFontColor = designFontColor_,
        .Scale = scale_,
        .ContentLeft = inset,
        .ContentTop = inset,
        .LabelHeight = bounds_.Height,
        .BevelInset = inset,
        .OnScreenTag = OnScreenTag,
        .OnCheckTag = OnCheckTag,
        .OnColorTag = OnColorTag,
        .Drawing = drawing,
    };
    return RunMarkupPass(input, state_, canvas);
}

void TTextLayout::ClearLinks() {
    state_.JumpHotspots.clear();
    state_.ScreenHotspots.clear();
    state_.ActiveJumpId = 0;
    state_.ActiveScreenId = 0;
}

void TTextLayout::DrawBevels(TTextCanvas& canvas) const {
    TRect rect = ClientRect();
    for (const TBevelCut cut : {bevelOuter_, bevelInner_}) {
        if (cut == TBevelCut::bvNone) continue;
        const bool lowered = cut == TBevelCut::bvLowered;
        canvas.Frame3D(rect, lowered ? clBtnShadow : clBtnHighlight,
                       lowered ? clBtnHighlight : clBtnShadow, bevelWidth_);
        rect = {rect.Left + bevelWidth_, rect.Top + bevelWidth_, rect.Right - bevelWidth_,
                rect.Bottom - bevelWidth_};
    }
}

void TTextLayout::FitToContent(int finalPenY) {
    TLabelBounds bounds = bounds_;
    if (calculateHeight_) {
        bounds.Height = ClampCoordinate(static_cast<long long>(bottomMargin_) + finalPenY);
    }
    if (parentBottomMargin_ != -1 && parentClientHeight_) {
        bounds.Top = ClampCoordinate(static_cast<long long>(ReferenceHeight()) - bounds.Height -
                                     parentBottomMargin_);
    }
    if (bounds == bounds_) return;
    bounds_ = bounds;
    if (OnBoundsChanged) OnBoundsChanged();
    Invalidate();
}

int TTextLayout::ReferenceHeight() const {
    if (scale_.IsIdentity() && !designing_ && displayHeight_ > kTallDisplayHeight) {
        return kDesignScreenHeight;
    }
    return *parentClientHeight_;
}

}  // namespace ftb::controls
