#pragma once
// The common layout of the question screens: texts on the white 630 x 482 design in Arial at
// 10 points (13 pixels), and the light yellow hint box that sits 10 pixels above the bottom.
#include <string>
#include <vector>

#include "controls/core/TextCanvas.h"
#include "interview/Child.h"
#include "interview/ScreenBuilder.h"

namespace ftb::screens {

constexpr controls::TColor kScreenColour = controls::RGBColor(255, 255, 255);
// The Windows colour value 9502719 (0x0090FFFF, blue 0x90, green and red 0xFF).
constexpr controls::TColor kHintBoxColour = controls::RGBColor(255, 255, 144);
static_assert(kHintBoxColour == 9502719u);

// Texts start 10 pixels in from the left and end 10 pixels short of the right edge.
constexpr int kTextLeft = 10;
constexpr int kTextWidth = interview::kDesignWidth - 2 * kTextLeft;
// The gap between the hint box and the bottom of the screen.
constexpr int kHintBoxBottomMargin = 10;
// The line of a text in the screen font.
constexpr int kLinePixels = 16;

// A marked-up text of the screen, on white, whose height follows its lines and whose year tags
// read 1998, 2001 and 2002. `lines` gives the first height, before the text has measured itself.
inline interview::TControlDecl ScreenText(std::string name, int top,
                                          std::vector<std::string> lines) {
    const int height = static_cast<int>(lines.size()) * kLinePixels + 3;
    return interview::Text(std::move(name), {kTextLeft, top, kTextWidth, height},
                           {.Lines = std::move(lines),
                            .LineSpacing = 10,
                            .CalculateHeight = true,
                            .Color = kScreenColour,
                            .OnScreenTag = interview::FillYearTag});
}

// A yellow hint box of its own name: its height follows the shown section and it keeps itself
// 10 pixels above the bottom of the screen. `lines` gives the first height, as above, or
// `shownLines` when only some of them show at a time (a box of sections).
inline interview::TControlDecl NamedHintBox(std::string name, std::vector<std::string> lines,
                                            int currentSection = 1, int shownLines = 0) {
    if (shownLines == 0) shownLines = static_cast<int>(lines.size());
    const int height = shownLines * kLinePixels + 3;
    const int top = interview::kDesignHeight - kHintBoxBottomMargin - height;
    return interview::Text(std::move(name), {kTextLeft, top, kTextWidth, height},
                           {.Lines = std::move(lines),
                            .LineSpacing = 10,
                            .CurrentSection = currentSection,
                            .CalculateHeight = true,
                            .ParentBottomMargin = kHintBoxBottomMargin,
                            .Color = kHintBoxColour,
                            .OnScreenTag = interview::FillYearTag});
}

// The hint box most screens have, "TextLblYellowBox".
inline interview::TControlDecl HintBox(std::vector<std::string> lines, int currentSection = 1,
                                       int shownLines = 0) {
    return NamedHintBox("TextLblYellowBox", std::move(lines), currentSection, shownLines);
}

}  // namespace ftb::screens
