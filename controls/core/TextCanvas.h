#pragma once
// The drawing surface the marked-up text is laid out on: colours, fonts, rectangles and the few
// drawing operations the label needs. Plain C++, so the layout is tested without a display; the
// Qt label implements it over a QPainter.
#include <cstdint>
#include <string>
#include <string_view>

namespace ftb::controls {

// 0x00BBGGRR, as the screens write their colours (9502719 is the pale yellow of the hint box),
// or kSystemColor plus one of the system colour indices below.
using TColor = std::uint32_t;

constexpr TColor kSystemColor = 0x80000000u;

constexpr TColor RGBColor(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}

// System colours: the canvas resolves them to the desktop's palette.
constexpr TColor clWindowText = kSystemColor | 1u;
constexpr TColor clWindow = kSystemColor | 2u;
constexpr TColor clBtnFace = kSystemColor | 3u;
constexpr TColor clBtnShadow = kSystemColor | 4u;
constexpr TColor clBtnHighlight = kSystemColor | 5u;

// Font style set: the bits of the markup's style command, plus strike-out.
using TFontStyles = std::uint8_t;
constexpr TFontStyles fsBold = 1;
constexpr TFontStyles fsItalic = 2;
constexpr TFontStyles fsUnderline = 4;
constexpr TFontStyles fsStrikeOut = 8;

struct TFontDesc {
    std::string Name = "Arial";
    int Size = 10;  // points
    TFontStyles Style = 0;
    TColor Color = clWindowText;

    bool operator==(const TFontDesc&) const = default;
};

// A rectangle in label coordinates. Client rectangles exclude Right and Bottom; link hotspots
// include them (see THotspot).
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const TRect&) const = default;
};

struct TTextSize {
    int Width = 0;
    int Height = 0;
};

enum class TCursor { crDefault, crIBeam, crHandPoint };

class TTextCanvas {
public:
    virtual ~TTextCanvas() = default;

    virtual void SetFont(const TFontDesc& font) = 0;
    // Width and height of a single-line Windows-1252 string in the current font.
    virtual TTextSize MeasureText(std::string_view text) = 0;
    // Draws with the top-left corner at (x, y), leaving the background as it is.
    virtual void DrawText(int x, int y, std::string_view text) = 0;
    virtual void FillRect(const TRect& rect, TColor color) = 0;
    // A 3-D frame `width` pixels thick just inside `rect`.
    virtual void Frame3D(const TRect& rect, TColor topLeft, TColor bottomRight, int width) = 0;
    // Draws the text in the current font, broken into lines at word boundaries to fit `rect`.
    virtual void DrawWrappedText(const TRect& rect, std::string_view text) = 0;
    // The platform's default alert sound.
    virtual void Beep() = 0;
};

}  // namespace ftb::controls
