#include "controls/core/PlainTextCanvas.h"

namespace ftb::controls {

void TPlainTextCanvas::DrawText(int x, int y, std::string_view text) {
    if (text.empty()) return;
    if (any_ && y != lineY_) {
        text_ += '\n';
    } else if (any_ && x > lineEnd_ && text_.back() != ' ' && text.front() != ' ') {
        // A run placed apart from the one before (a bullet and its text) reads as two words.
        text_ += ' ';
    }
    text_ += text;
    any_ = true;
    lineY_ = y;
    lineEnd_ = x + measuring_.MeasureText(text).Width;
}

void TPlainTextCanvas::DrawWrappedText(const TRect& rect, std::string_view text) {
    DrawText(rect.Left, rect.Top, text);
}

}  // namespace ftb::controls
