// Lays out arbitrary bytes as a marked-up label text, twice, and moves and presses the mouse
// over its links. The first four bytes choose the section shown, the bevels, the height and
// placement options and the scale; the rest is the text. The variable handler answers with a
// piece of the text itself, so inserted markup holding further variables is exercised too.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "controls/core/TextLayout.h"

namespace {

using namespace ftb::controls;

class TFuzzCanvas : public TTextCanvas {
public:
    void SetFont(const TFontDesc& font) override { size_ = font.Size; }
    TTextSize MeasureText(std::string_view text) override {
        return {7 * static_cast<int>(text.size()), size_ + 6};
    }
    void DrawText(int, int, std::string_view) override {}
    void FillRect(const TRect&, TColor) override {}
    void Frame3D(const TRect&, TColor, TColor, int) override {}
    void DrawWrappedText(const TRect&, std::string_view) override {}
    void Beep() override {}

private:
    int size_ = 10;
};

TBevelCut BevelOf(unsigned bits) { return static_cast<TBevelCut>(bits & 3u); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 4, size - 4);
    const unsigned options = data[1];

    TTextLayout label;
    label.SetCurrentSection(data[0] == 255 ? 999 : data[0] % 4 - 1);
    label.SetCalculateHeight((options & 1u) != 0);
    label.SetTransparent((options & 2u) != 0);
    label.SetBevelInner(BevelOf(options >> 2));
    label.SetBevelOuter(BevelOf(options >> 4));
    label.SetParentBottomMargin((options & 64u) != 0 ? 10 : -1);
    if ((options & 128u) != 0) label.SetParentClientHeight(300);
    label.SetDisplayHeight(768);
    label.ChangeScale(data[2] % 16 + 1, data[3] % 16 + 1);
    label.SetText(text);

    label.OnScreenTag = [&](int id, std::string& tag) {
        if (id % 2 == 0 && !text.empty()) {
            tag = std::string(text.substr(static_cast<std::size_t>(id) % text.size(), 24));
        }
    };
    label.OnCheckTag = [](int id, bool& pass) { pass = id % 3 != 0; };
    label.OnColorTag = [](int id, TColor& color) { color ^= static_cast<TColor>(id); };
    label.OnJumpClick = [](int) {};
    label.OnScreenClick = [](int) {};

    TFuzzCanvas canvas;
    for (int paint = 0; paint < 2; ++paint) {
        label.Paint(canvas);
        const auto hotspots = label.JumpHotspots();
        for (const THotspot& hotspot : hotspots) {
            label.MouseMove(hotspot.Rect.Left, hotspot.Rect.Top);
            label.MouseDown(hotspot.Rect.Right, hotspot.Rect.Bottom);
        }
        label.MouseMove(data[2], data[3]);
    }
    return 0;
}
