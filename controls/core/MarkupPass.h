#pragma once
// One layout pass over the lines of a marked-up text: reads every line, runs the commands of its
// tags, and in the drawing pass draws the text runs and records the link hotspots.
#include <functional>
#include <string>
#include <vector>

#include "controls/core/MarkupScale.h"
#include "controls/core/TextCanvas.h"

namespace ftb::controls {

// The section that is shown whatever section the label shows.
constexpr int kAlwaysShownSection = 999;

// A variable may insert markup holding variables. A line takes at most this many insertions, so
// that a value that names its own variable cannot make the line grow for ever; further
// variables of the line insert nothing.
constexpr int kMaxVariableInsertionsPerLine = 64;

enum class TMarkupAlignment { Left, Right, Centre };

// A link: its id and the rectangle of its text run, edges included.
struct THotspot {
    int Id = 0;
    TRect Rect;

    bool operator==(const THotspot&) const = default;
};

// Handlers the owning screen supplies for variables, checks and colour tags.
using TScreenTagEvent = std::function<void(int ScreenTagID, std::string& Tag)>;
using TCheckTagEvent = std::function<void(int CheckTagID, bool& Pass)>;
using TColorTagEvent = std::function<void(int ColorTagID, TColor& TagColor)>;

// What the label keeps from one pass to the next; a pass reads and updates it.
struct TMarkupState {
    int Section = 1;
    TMarkupAlignment Alignment = TMarkupAlignment::Left;
    TFontDesc BaseFont;  // the colour tag 0 restores its colour
    int ActiveJumpId = 0;
    int ActiveScreenId = 0;
    bool LineVisible = true;
    std::vector<THotspot> JumpHotspots;
    std::vector<THotspot> ScreenHotspots;
};

// What a pass reads and leaves alone.
struct TMarkupPassInput {
    const std::vector<std::string>& Lines;
    int LineSpacing = 10;  // tenths of a line
    int CurrentSection = 1;
    int DesignFontSize = 10;
    TColor DesignFontColor = clWindowText;
    TMarkupScale Scale;
    int ContentLeft = 0;
    int ContentTop = 0;
    int LabelHeight = 0;
    int BevelInset = 0;  // the bevel width once for each bevel in use
    const TScreenTagEvent& OnScreenTag;
    const TCheckTagEvent& OnCheckTag;
    const TColorTagEvent& OnColorTag;
    bool Drawing = false;  // false: the measuring pass, which draws nothing and records no link
};

// Runs one pass and returns the final pen y.
int RunMarkupPass(const TMarkupPassInput& input, TMarkupState& state, TTextCanvas& canvas);

}  // namespace ftb::controls
