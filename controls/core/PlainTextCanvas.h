#pragma once
// A canvas that draws nothing and keeps the words a pass draws, in reading order: what a
// marked-up text says without its markup (the text a screen reader reads). It measures through
// the canvas the label paints on, so the lines break where the picture breaks them.
#include <string>

#include "controls/core/TextCanvas.h"

namespace ftb::controls {

class TPlainTextCanvas : public TTextCanvas {
public:
    explicit TPlainTextCanvas(TTextCanvas& measuring) : measuring_(measuring) {}

    void SetFont(const TFontDesc& font) override { measuring_.SetFont(font); }
    TTextSize MeasureText(std::string_view text) override { return measuring_.MeasureText(text); }
    void DrawText(int x, int y, std::string_view text) override;
    void FillRect(const TRect&, TColor) override {}
    void Frame3D(const TRect&, TColor, TColor, int) override {}
    void DrawWrappedText(const TRect& rect, std::string_view text) override;
    void Beep() override {}

    // The words drawn so far: the runs of one line joined, one line break between lines.
    const std::string& Text() const { return text_; }

private:
    TTextCanvas& measuring_;
    std::string text_;
    bool any_ = false;
    int lineY_ = 0;
    int lineEnd_ = 0;
};

}  // namespace ftb::controls
