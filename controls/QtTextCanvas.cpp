#include "controls/QtTextCanvas.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QRect>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "platform/Beep.h"
#include "platform/QtText.h"

namespace ftb::controls {
namespace {

struct TFamilyAlias {
    const char* Name;
    const char* Family;
};

// The fonts the texts name, and the metric-compatible families installed in their place.
constexpr std::array<TFamilyAlias, 3> kFamilyAliases{{
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
}};

QString Family(const std::string& name) {
    const QString requested = platform::FromWin1252(name);
    for (const TFamilyAlias& alias : kFamilyAliases) {
        if (requested.compare(QLatin1String(alias.Name), Qt::CaseInsensitive) == 0) {
            return QLatin1String(alias.Family);
        }
    }
    return requested;
}

QRect ToQRect(const TRect& rect) {
    return QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
}

}  // namespace

int FontPixelSize(int points, int dpi) {
    const long long dots = std::llabs(static_cast<long long>(points)) * std::max(dpi, 1);
    const long long pixels = (dots + 36) / 72;
    return static_cast<int>(std::clamp(pixels, 1LL, static_cast<long long>(kMaxFontPixels)));
}

QFont QtFont(const TFontDesc& font, int dpi) {
    QFont qfont(Family(font.Name));
    qfont.setPixelSize(FontPixelSize(font.Size, dpi));
    qfont.setBold((font.Style & fsBold) != 0);
    qfont.setItalic((font.Style & fsItalic) != 0);
    qfont.setUnderline((font.Style & fsUnderline) != 0);
    qfont.setStrikeOut((font.Style & fsStrikeOut) != 0);
    return qfont;
}

TCellMetrics CellMetrics(const QFont& font, const QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    return {static_cast<int>(std::ceil(metrics.ascent())) + 1,
            static_cast<int>(std::ceil(metrics.descent()))};
}

QColor QtColor(TColor color, const QPalette& palette) {
    if ((color & kSystemColor) == 0) {
        return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                      static_cast<int>((color >> 16) & 0xFFu));
    }
    switch (color) {
        case clWindowText:
            return palette.color(QPalette::WindowText);
        case clWindow:
            return palette.color(QPalette::Base);
        case clBtnFace:
            return palette.color(QPalette::Button);
        case clBtnShadow:
            return palette.color(QPalette::Dark);
        case clBtnHighlight:
            return palette.color(QPalette::Light);
        default:
            return QColor(Qt::black);  // the desktop knows no such colour: none, black
    }
}

TQtTextCanvas::TQtTextCanvas(QPainter& painter, const QPalette& palette)
    : painter_(painter), palette_(palette) {
    SetFont(TFontDesc{});
}

void TQtTextCanvas::SetFont(const TFontDesc& font) {
    font_ = QtFont(font, painter_.device()->logicalDpiY());
    color_ = QtColor(font.Color, palette_);
    cell_ = CellMetrics(font_, painter_.device());
    painter_.setFont(font_);
    painter_.setPen(color_);
}

TTextSize TQtTextCanvas::MeasureText(std::string_view text) {
    const QFontMetrics metrics(font_, painter_.device());
    return {metrics.horizontalAdvance(platform::FromWin1252(text)), cell_.Height()};
}

void TQtTextCanvas::DrawText(int x, int y, std::string_view text) {
    if (text.empty()) return;
    painter_.drawText(QPoint(x, y + cell_.Ascent), platform::FromWin1252(text));
}

void TQtTextCanvas::FillRect(const TRect& rect, TColor color) {
    painter_.fillRect(ToQRect(rect), QtColor(color, palette_));
}

// The top-left colour takes the top row (but its last pixel) and the left column; the
// bottom-right colour the right column and the bottom row, corners included.
void TQtTextCanvas::Frame3D(const TRect& rect, TColor topLeft, TColor bottomRight, int width) {
    const QColor light = QtColor(topLeft, palette_);
    const QColor dark = QtColor(bottomRight, palette_);
    TRect r = rect;
    for (int i = 0; i < width && r.Right > r.Left && r.Bottom > r.Top; ++i) {
        const int w = r.Right - r.Left;
        const int h = r.Bottom - r.Top;
        painter_.fillRect(r.Left, r.Top, w - 1, 1, light);
        painter_.fillRect(r.Left, r.Top, 1, h, light);
        painter_.fillRect(r.Right - 1, r.Top, 1, h, dark);
        painter_.fillRect(r.Left, r.Bottom - 1, w, 1, dark);
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
}

void TQtTextCanvas::DrawWrappedText(const TRect& rect, std::string_view text) {
    painter_.drawText(ToQRect(rect), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                      platform::FromWin1252(text));
}

void TQtTextCanvas::Beep() { platform::Beep(); }

}  // namespace ftb::controls
