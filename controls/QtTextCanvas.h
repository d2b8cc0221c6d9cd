#pragma once
// The drawing surface of the marked-up text label on a QPainter. Fonts are sized and measured
// the way the texts were laid out on the original display: "Arial" 10 points at 96 dots per inch
// is a 13-pixel em and a 16-pixel line.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <string_view>

#include "controls/core/TextCanvas.h"

namespace ftb::controls {

inline constexpr int kMaxFontPixels = 2048;

// The em of a font of `points` on a display of `dpi` dots per inch, rounded to whole pixels as
// the original display did (points × dpi / 72, halves away from zero), at least 1 and at most
// kMaxFontPixels. A negative size counts as its magnitude.
int FontPixelSize(int points, int dpi);

// The Qt font of a description: the family (the metric-compatible Liberation fonts stand for
// Arial, Times New Roman and Courier New), the em in whole pixels and the style. The colour is
// not part of it.
QFont QtFont(const TFontDesc& font, int dpi);

// The character cell of a font in whole pixels. The scaled ascent and descent are each rounded
// up, and the ascent gets one pixel more: the original display's hinted cell is that pixel taller
// than the design metrics (Arial 9 points is 15 pixels high, 10 points 16), and the texts' line
// pitch is measured in those cells. Text is drawn with its baseline `Ascent` below the cell top.
struct TCellMetrics {
    int Ascent = 0;
    int Descent = 0;
    int Height() const { return Ascent + Descent; }
};
TCellMetrics CellMetrics(const QFont& font, const QPaintDevice* device);

// A colour as the screens write it; system colours come from the palette.
QColor QtColor(TColor color, const QPalette& palette);

class TQtTextCanvas final : public TTextCanvas {
  public:
    // Draws with `painter` (active on its device), resolving system colours from `palette`.
    TQtTextCanvas(QPainter& painter, const QPalette& palette);

    void SetFont(const TFontDesc& font) override;
    TTextSize MeasureText(std::string_view text) override;
    void DrawText(int x, int y, std::string_view text) override;
    void FillRect(const TRect& rect, TColor color) override;
    void Frame3D(const TRect& rect, TColor topLeft, TColor bottomRight, int width) override;
    void DrawWrappedText(const TRect& rect, std::string_view text) override;
    void Beep() override;

  private:
    QPainter& painter_;
    const QPalette& palette_;
    QFont font_;
    QColor color_;
    TCellMetrics cell_;
};

}  // namespace ftb::controls
