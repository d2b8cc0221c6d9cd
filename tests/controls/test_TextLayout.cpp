// The label layout on a canvas of fixed metrics: every character is 7 pixels wide and a line is
// the point size plus 6 pixels high, so a 10-point line is 16 pixels and a 9-point line 15.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "controls/core/TextLayout.h"

namespace ftb::controls {

// Found by argument-dependent look-up, so it stands beside THotspot, outside the unnamed space.
std::ostream& operator<<(std::ostream& out, const THotspot& hotspot) {
    const TRect& r = hotspot.Rect;
    return out << hotspot.Id << "@(" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom
               << ")";
}

namespace {

constexpr TColor kBlue = 0xFF0000;  // 0x00BBGGRR
constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x008000;

struct TRun {
    int X = 0;
    int Y = 0;
    std::string Text;

    bool operator==(const TRun&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TRun& run) {
    return out << "(" << run.X << "," << run.Y << ",\"" << run.Text << "\")";
}

struct TDrawnText {
    TRun Run;
    TFontDesc Font;
};

struct TFrame {
    TRect Rect;
    TColor TopLeft;
    TColor BottomRight;
    int Width;

    bool operator==(const TFrame&) const = default;
};

class TRecordingCanvas : public TTextCanvas {
public:
    void SetFont(const TFontDesc& font) override { font_ = font; }
    TTextSize MeasureText(std::string_view text) override {
        return {7 * static_cast<int>(text.size()), font_.Size + 6};
    }
    void DrawText(int x, int y, std::string_view text) override {
        Texts.push_back({{x, y, std::string(text)}, font_});
        Operations.push_back("text");
    }
    void FillRect(const TRect& rect, TColor color) override {
        Fills.push_back({rect, color});
        Operations.push_back("fill");
    }
    void Frame3D(const TRect& rect, TColor topLeft, TColor bottomRight, int width) override {
        Frames.push_back({rect, topLeft, bottomRight, width});
        Operations.push_back("frame");
    }
    void DrawWrappedText(const TRect& rect, std::string_view text) override {
        Wrapped.push_back({rect, std::string(text)});
        Operations.push_back("wrapped");
    }
    void Beep() override { ++Beeps; }

    std::vector<TRun> Runs() const {
        std::vector<TRun> runs;
        for (const TDrawnText& drawn : Texts) runs.push_back(drawn.Run);
        return runs;
    }

    std::vector<TDrawnText> Texts;
    std::vector<std::pair<TRect, TColor>> Fills;
    std::vector<TFrame> Frames;
    std::vector<std::pair<TRect, std::string>> Wrapped;
    std::vector<std::string> Operations;
    int Beeps = 0;

private:
    TFontDesc font_;
};

class TextLayoutTest : public ::testing::Test {
protected:
    // A fresh canvas for every paint, so what it holds is what that paint did.
    std::vector<TRun> Paint() {
        canvas = {};
        label.Paint(canvas);
        return canvas.Runs();
    }
    std::vector<TRun> Paint(std::vector<std::string> lines) {
        label.SetText(std::move(lines));
        return Paint();
    }
    const TDrawnText& Drawn(std::size_t index) const { return canvas.Texts.at(index); }

    TTextLayout label;
    TRecordingCanvas canvas;
};

// --- sections

TEST_F(TextLayoutTest, ShowsOnlyTheCurrentSectionAtTheTop) {
    const std::vector<std::string> lines = {
        "<s0><X10>Enter the date you started receiving payments through the FAO.",
        "<s1><X10>Enter the date you finished receiving payments through the FAO."};
    label.SetCalculateHeight(true);
    label.SetCurrentSection(0);
    EXPECT_EQ(Paint(lines),
              (std::vector<TRun>{
                  {10, 0, "Enter the date you started receiving payments through the FAO."}}));
    EXPECT_EQ(label.Bounds().Height, 19);

    label.SetCurrentSection(1);
    EXPECT_EQ(Paint(), (std::vector<TRun>{{10, 0,
                                           "Enter the date you finished receiving payments "
                                           "through the FAO."}}));
    EXPECT_EQ(label.Bounds().Height, 19);
}

struct TSectionCase {
    int CurrentSection;
    std::vector<TRun> Expected;
};

class SectionTest : public TextLayoutTest, public ::testing::WithParamInterface<TSectionCase> {};

// "intro" stands ahead of the first section command: the measuring pass ends in section 2, so
// the drawing pass reads it as section 2, whatever the Section property said before.
TEST_P(SectionTest, TextBeforeTheFirstSectionCommandBelongsToTheLastSection) {
    label.SetCurrentSection(GetParam().CurrentSection);
    EXPECT_EQ(Paint({"intro", "<s2>two"}), GetParam().Expected);
    EXPECT_EQ(label.Section(), 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, SectionTest,
                         ::testing::Values(TSectionCase{1, {}},
                                           TSectionCase{2, {{0, 0, "intro"}, {0, 16, "two"}}}));

TEST_F(TextLayoutTest, SectionNineHundredNinetyNineIsAlwaysShown) {
    const std::vector<std::string> lines = {"<s999>always", "<s1>one", "<s2>two"};
    label.SetCurrentSection(7);
    EXPECT_EQ(Paint(lines), (std::vector<TRun>{{0, 0, "always"}}));
    label.SetCurrentSection(2);
    EXPECT_EQ(Paint(), (std::vector<TRun>{{0, 0, "always"}, {0, 16, "two"}}));
}

TEST_F(TextLayoutTest, CommandsOfAHiddenSectionHaveNoEffectAndNoAlert) {
    EXPECT_EQ(Paint({"<s2><X50;T1;C19;Tx;>hidden", "<s1>shown"}),
              (std::vector<TRun>{{0, 0, "shown"}}));
    EXPECT_EQ(Drawn(0).Font.Style, 0);
    EXPECT_EQ(canvas.Beeps, 0);
}

// --- line structure

TEST_F(TextLayoutTest, CommentsTakeNoSpaceAndEmptyLinesTakeOneLine) {
    label.SetCalculateHeight(true);
    EXPECT_EQ(Paint({"a", ";<C99>comment", ";", "", "b"}),
              (std::vector<TRun>{{0, 0, "a"}, {0, 32, "b"}}));
    EXPECT_EQ(canvas.Beeps, 0);  // the comment's tag is not read
    EXPECT_EQ(label.Bounds().Height, 3 + 48);
}

TEST_F(TextLayoutTest, BulletLineWithLinkAndIndentedContinuation) {
    EXPECT_EQ(
        Paint({"<L10><X0>\x95<X10>have been an <C12;J512>Australian resident for social security "
               "purposes<.> or the holder of an approved visa for the",
               "purposes of FTB"}),
        (std::vector<TRun>{{0, 0, "\x95"},
                           {10, 0, "have been an "},
                           {101, 0, "Australian resident for social security purposes"},
                           {437, 0, " or the holder of an approved visa for the"},
                           {10, 16, "purposes of FTB"}}));
    EXPECT_EQ(Drawn(2).Font.Color, kBlue);
    EXPECT_EQ(Drawn(3).Font.Color, clWindowText);
    EXPECT_EQ(label.JumpHotspots(), (std::vector<THotspot>{{512, {101, 0, 437, 16}}}));
    EXPECT_TRUE(label.ScreenHotspots().empty());
}

TEST_F(TextLayoutTest, IncompleteTagsAreText) {
    EXPECT_EQ(Paint({"a<b", "x>y<T1>z", "<T1"}),
              (std::vector<TRun>{{0, 0, "a<b"}, {0, 16, "x>y"}, {21, 16, "z"}, {0, 32, "<T1"}}));
}

TEST_F(TextLayoutTest, TextAssignedAsOneStringIsSplitIntoLines) {
    const std::map<std::string, std::vector<std::string>> cases = {
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\r\r\nb\n", {"a", "", "b"}},
        {"\n\n", {"", ""}},
        {"", {}},
    };
    for (const auto& [text, lines] : cases) {
        label.SetText(std::string_view(text));
        EXPECT_EQ(label.Text(), lines) << text;
    }
}

// --- fonts and colours

TEST_F(TextLayoutTest, FontCommandsLastUntilTheReset) {
    EXPECT_EQ(Paint({"<T1>may<.> not", "<T7;FCourier New;S12>a", "b<.>c"}),
              (std::vector<TRun>{
                  {0, 0, "may"}, {21, 0, " not"}, {0, 16, "a"}, {0, 34, "b"}, {7, 34, "c"}}));
    EXPECT_EQ(Drawn(0).Font.Style, fsBold);
    EXPECT_EQ(Drawn(1).Font, TFontDesc{});
    const TFontDesc courier{"Courier New", 12, fsBold | fsItalic | fsUnderline, clWindowText};
    EXPECT_EQ(Drawn(2).Font, courier);
    EXPECT_EQ(Drawn(3).Font, courier);  // the font carries into the next line
    EXPECT_EQ(Drawn(4).Font, TFontDesc{});
}

TEST_F(TextLayoutTest, ResetTakesTheDesignFontSize) {
    label.Loaded();
    label.SetFont({"Arial", 12, 0, clWindowText});
    Paint({"a<.>b"});
    EXPECT_EQ(Drawn(0).Font.Size, 12);  // a pass starts with the base font as it is now
    EXPECT_EQ(Drawn(1).Font.Size, 10);
}

struct TCommandCase {
    std::string Line;
    int BeepsPerPass;
    TFontStyles Style;
    TColor Color;
};

class CommandTest : public TextLayoutTest, public ::testing::WithParamInterface<TCommandCase> {};

// A bad command sounds the alert (in each of the two passes of a paint) and is skipped; the
// other commands of its tag still run.
TEST_P(CommandTest, BadCommandsSoundTheAlertAndAreSkipped) {
    const TCommandCase& c = GetParam();
    EXPECT_EQ(Paint({c.Line}), (std::vector<TRun>{{0, 0, "x"}}));
    EXPECT_EQ(canvas.Beeps, 2 * c.BeepsPerPass);
    EXPECT_EQ(Drawn(0).Font.Style, c.Style);
    EXPECT_EQ(Drawn(0).Font.Color, c.Color);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandTest,
    ::testing::Values(
        TCommandCase{"<C19;T1>x", 1, fsBold, clWindowText},
        TCommandCase{"<Cab;T1>x", 1, fsBold, clWindowText},
        TCommandCase{"<C0;T1>x", 1, fsBold, clWindowText},
        TCommandCase{"<C-1;T1>x", 1, fsBold, clWindowText}, TCommandCase{"<C12;C19>x", 1, 0, kBlue},
        TCommandCase{"<Tx;C12>x", 1, 0, kBlue}, TCommandCase{"<T1x;C12>x", 1, 0, kBlue},
        TCommandCase{"<X;Sa;Y+;y--;x1.5;C12>x", 5, 0, kBlue},
        TCommandCase{"<>x", 1, 0, clWindowText}, TCommandCase{"<;>x", 1, 0, clWindowText},
        TCommandCase{"<T1;;C12>x", 1, fsBold, kBlue}, TCommandCase{"<T1;.;>x", 0, 0, clWindowText},
        TCommandCase{"<C12;T3;>x", 0, fsBold | fsItalic, kBlue},
        TCommandCase{"<T15>x", 0, fsBold | fsItalic | fsUnderline, clWindowText},
        TCommandCase{"< T1;Q;C12>x", 0, 0, kBlue},
        TCommandCase{"<Jx;Gx;Lq;sz;Vx;vx;cx;C12>x", 0, 0, kBlue}));

TEST_F(TextLayoutTest, ColourTableInBlueGreenRedOrder) {
    const std::map<int, TColor> cases = {{1, 0x000000},  {2, 0x000080},   {4, 0x008080},
                                         {5, 0x800000},  {7, 0x808000},   {9, 0xC0C0C0},
                                         {10, kRed},     {12, kBlue},     {14, 0xFFFF00},
                                         {16, 0x00FFFF}, {17, clBtnFace}, {18, clWindow}};
    for (const auto& [index, color] : cases) {
        Paint({"<C" + std::to_string(index) + ">x"});
        EXPECT_EQ(Drawn(0).Font.Color, color) << index;
    }
}

TEST_F(TextLayoutTest, ColourTagsAskTheScreenOrRestoreTheDesignColour) {
    Paint({"<C12;c5>x"});
    EXPECT_EQ(Drawn(0).Font.Color, kBlue);  // no handler: nothing

    std::vector<TColor> passedIn;
    label.OnColorTag = [&](int id, TColor& color) {
        passedIn.push_back(color);
        if (id == 5) color = kRed;
    };
    Paint({"<C12;c5>x<c6>y"});
    EXPECT_EQ(Drawn(0).Font.Color, kRed);
    EXPECT_EQ(Drawn(1).Font.Color, kRed);  // the handler left it as it was
    EXPECT_EQ(passedIn, (std::vector<TColor>{kBlue, kRed, kBlue, kRed}));  // two passes

    // Tag 0 restores the base font itself, already in the measuring pass, so the drawing pass
    // starts with the design colour.
    label.Loaded();
    label.SetFont({"Arial", 10, 0, kGreen});
    Paint({"a<c0>b"});
    EXPECT_EQ(label.Font().Color, clWindowText);
    EXPECT_EQ(Drawn(0).Font.Color, clWindowText);
    EXPECT_EQ(Drawn(1).Font.Color, clWindowText);
}

// --- positions, alignment and line spacing

struct TLayoutCase {
    std::vector<std::string> Lines;
    std::vector<TRun> Expected;
};

class PositionTest : public TextLayoutTest, public ::testing::WithParamInterface<TLayoutCase> {};

TEST_P(PositionTest, PlacesRuns) { EXPECT_EQ(Paint(GetParam().Lines), GetParam().Expected); }

INSTANTIATE_TEST_SUITE_P(
    Alignment, PositionTest,
    ::testing::Values(
        // right alignment and indent carry over to the next line: both end at x = 420
        TLayoutCase{{"<S10;AR;X420>Enter the number of nights during your assessment period",
                     "you cared for this dependant:"},
                    {{28, 0, "Enter the number of nights during your assessment period"},
                     {217, 16, "you cared for this dependant:"}}},
        // centred on x = 70: 133 pixels wide, half of it 66
        TLayoutCase{{"<AC><X70><T1>Existing worksheets<.>", "x"},
                    {{4, 0, "Existing worksheets"}, {67, 16, "x"}}},
        // a centred run moves the pen past its right end
        TLayoutCase{{"<AC;X70>abc<AL>d"}, {{60, 0, "abc"}, {81, 0, "d"}}},
        // any letter but L, R and C gives left
        TLayoutCase{{"<AR;X100>ab", "<Al>cd"}, {{86, 0, "ab"}, {100, 16, "cd"}}}));

INSTANTIATE_TEST_SUITE_P(
    Pen, PositionTest,
    ::testing::Values(TLayoutCase{{"ab<X20>c<x5>d", "e"},
                                  {{0, 0, "ab"}, {20, 0, "c"}, {32, 0, "d"}, {20, 16, "e"}}},
                      TLayoutCase{{"a<x-3>b"}, {{0, 0, "a"}, {4, 0, "b"}}},
                      TLayoutCase{{"<X12345>a"}, {{1234, 0, "a"}}},  // four characters are read
                      TLayoutCase{{"a<y5>", "b<Y100>c", "d"},
                                  {{0, 0, "a"}, {0, 21, "b"}, {7, 100, "c"}, {0, 116, "d"}}},
                      // from the bottom of the 40-pixel label: the next line ends 5 pixels above it
                      TLayoutCase{{"<Y-5>a"}, {{0, 19, "a"}}},
                      TLayoutCase{{"<Y-0>a"}, {{0, 24, "a"}}}));

// The line pitch is Round(16 × tenths / 10) for a 10-point font, Round(15 × tenths / 10) for 9.
INSTANTIATE_TEST_SUITE_P(
    LineSpacing, PositionTest,
    ::testing::Values(TLayoutCase{{"a", "b"}, {{0, 0, "a"}, {0, 16, "b"}}},
                      TLayoutCase{{"<L14>a", "b"}, {{0, 0, "a"}, {0, 22, "b"}}},
                      TLayoutCase{{"<S9;L11>a", "b"}, {{0, 0, "a"}, {0, 16, "b"}}},  // 16.5
                      TLayoutCase{{"<S9;L13>a", "b"}, {{0, 0, "a"}, {0, 20, "b"}}},  // 19.5
                      TLayoutCase{{"<L145>a", "b"}, {{0, 0, "a"}, {0, 22, "b"}}},
                      TLayoutCase{{"a<L20>", "b", "c"}, {{0, 0, "a"}, {0, 32, "b"}, {0, 64, "c"}}},
                      TLayoutCase{{"<S20>a", "b"}, {{0, 0, "a"}, {0, 26, "b"}}}));

TEST_F(TextLayoutTest, LineSpacingPropertyStartsEveryPass) {
    label.SetLineSpacing(14);
    EXPECT_EQ(Paint({"a", "<Lx>b", "c"}),
              (std::vector<TRun>{{0, 0, "a"}, {0, 22, "b"}, {0, 38, "c"}}));
    EXPECT_EQ(Paint(), (std::vector<TRun>{{0, 0, "a"}, {0, 22, "b"}, {0, 38, "c"}}));
}

// The alignment is kept by the label, so the next pass starts with the one the last line set.
TEST_F(TextLayoutTest, AlignmentCarriesIntoTheNextPass) {
    EXPECT_EQ(Paint({"first", "<AR;X100>second"}),
              (std::vector<TRun>{{-35, 0, "first"}, {58, 16, "second"}}));
}

struct TScaleCase {
    int Multiplier;
    int Divisor;
    std::string Line;
    int X;
    int Y;
    int FontSize;
};

class ScaleTest : public TextLayoutTest, public ::testing::WithParamInterface<TScaleCase> {};

// Positions are rounded with the ratio, halves to even; font sizes truncated with the ratio
// truncated to hundredths.
TEST_P(ScaleTest, ScalesPositionsAndFontSizes) {
    const TScaleCase& c = GetParam();
    label.Loaded();
    label.ChangeScale(c.Multiplier, c.Divisor);
    Paint({c.Line});
    ASSERT_EQ(canvas.Texts.size(), 1u);
    EXPECT_EQ(Drawn(0).Run, (TRun{c.X, c.Y, "a"}));
    EXPECT_EQ(Drawn(0).Font.Size, c.FontSize);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScaleTest,
                         ::testing::Values(TScaleCase{3, 2, "<X10>a", 15, 0, 10},
                                           TScaleCase{5, 4, "<X10>a", 12, 0, 10},  // 12.5
                                           TScaleCase{5, 4, "<X30>a", 38, 0, 10},  // 37.5
                                           TScaleCase{5, 4, "<x3>a", 4, 0, 10},    // 3.75
                                           TScaleCase{3, 2, "<Y10>a", 0, 15, 10},
                                           TScaleCase{3, 2, "<y-3>a", 0, -4, 10},  // -4.5
                                           TScaleCase{3, 2, "<S10>a", 0, 0, 15},
                                           TScaleCase{3, 2, "<.>a", 0, 0, 15},
                                           TScaleCase{2, 3, "<S10>a", 0, 0, 6},  // 10 × 0.66
                                           TScaleCase{29, 100, "<S100>a", 0, 0, 29},
                                           TScaleCase{3, 0, "<X10;S10>a", 10, 0, 10}));

TEST_F(TextLayoutTest, LatestScaleReplacesThePreviousOne) {
    label.ChangeScale(2, 3);
    EXPECT_DOUBLE_EQ(label.FontScale(), 0.66);
    label.ChangeScale(5, 4);
    EXPECT_DOUBLE_EQ(label.ScaleFactor(), 1.25);
    EXPECT_DOUBLE_EQ(label.FontScale(), 1.25);
}

// --- background and bevels

TEST_F(TextLayoutTest, BevelsMoveTheContentInAndAreDrawnOverIt) {
    label.SetBevelOuter(TBevelCut::bvRaised);
    label.SetBevelInner(TBevelCut::bvLowered);
    label.SetBevelWidth(2);
    label.SetColor(0x90FFFF);
    EXPECT_EQ(Paint({"a", "<Y-5>b", "<Y6>c"}),
              (std::vector<TRun>{{4, 4, "a"}, {4, 15, "b"}, {4, 10, "c"}}));
    EXPECT_EQ(canvas.Operations,
              (std::vector<std::string>{"fill", "text", "text", "text", "frame", "frame"}));
    EXPECT_EQ(canvas.Fills.at(0), (std::pair<TRect, TColor>{{0, 0, 80, 40}, 0x90FFFF}));
    EXPECT_EQ(canvas.Frames,
              (std::vector<TFrame>{{{0, 0, 80, 40}, clBtnHighlight, clBtnShadow, 2},
                                   {{2, 2, 78, 38}, clBtnShadow, clBtnHighlight, 2}}));
}

TEST_F(TextLayoutTest, SpaceBevelIsDrawnLikeARaisedOneAndTransparentFillsNothing) {
    label.SetBevelInner(TBevelCut::bvSpace);
    label.SetTransparent(true);
    EXPECT_EQ(Paint({"a"}), (std::vector<TRun>{{1, 1, "a"}}));
    EXPECT_TRUE(canvas.Fills.empty());
    EXPECT_EQ(canvas.Frames,
              (std::vector<TFrame>{{{0, 0, 80, 40}, clBtnHighlight, clBtnShadow, 1}}));
}

TEST_F(TextLayoutTest, LabelWithoutLinesShowsItsName) {
    label.SetName("TextLbl3");
    EXPECT_TRUE(Paint({}).empty());
    EXPECT_EQ(canvas.Wrapped,
              (std::vector<std::pair<TRect, std::string>>{{{0, 0, 80, 40}, "TextLbl3"}}));
}

// --- height and position after the drawing pass

struct TPlacementCase {
    int Multiplier;
    int Divisor;
    bool Designing;
    int DisplayHeight;
    int Top;
};

class PlacementTest : public TextLayoutTest,
                      public ::testing::WithParamInterface<TPlacementCase> {};

// A yellow box of three lines 10 pixels above the bottom: 482 is the reference height only for
// an unscaled screen on a display taller than 600 pixels; otherwise the parent's 300 pixels.
TEST_P(PlacementTest, YellowBoxSticksToTheBottomOfItsReference) {
    const TPlacementCase& c = GetParam();
    label.SetCalculateHeight(true);
    label.SetParentBottomMargin(10);
    label.SetParentClientHeight(300);
    label.SetDesigning(c.Designing);
    label.SetDisplayHeight(c.DisplayHeight);
    label.ChangeScale(c.Multiplier, c.Divisor);
    label.SetText({"one", "two", "three"});
    int invalidated = 0;
    int moved = 0;
    label.OnInvalidate = [&] { ++invalidated; };
    label.OnBoundsChanged = [&] { ++moved; };
    Paint();
    EXPECT_EQ(label.Bounds(), (TLabelBounds{0, c.Top, 80, 51}));
    EXPECT_EQ(moved, 1);
    EXPECT_EQ(invalidated, 1);
    Paint();  // the second layout gives the same result: no further repaint
    EXPECT_EQ(label.Bounds(), (TLabelBounds{0, c.Top, 80, 51}));
    EXPECT_EQ(moved, 1);
    EXPECT_EQ(invalidated, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlacementTest,
                         ::testing::Values(TPlacementCase{1, 1, false, 768, 421},
                                           TPlacementCase{4, 4, false, 768, 421},
                                           TPlacementCase{1, 1, false, 600, 239},
                                           TPlacementCase{1, 1, true, 768, 239},
                                           TPlacementCase{5, 4, false, 768, 239}));

TEST_F(TextLayoutTest, LabelWithoutParentKeepsItsTop) {
    label.SetBounds({5, 7, 80, 40});
    label.SetParentBottomMargin(10);
    label.SetDisplayHeight(768);
    Paint({"one"});
    EXPECT_EQ(label.Bounds(), (TLabelBounds{5, 7, 80, 40}));
}

// --- variables and checks

TEST_F(TextLayoutTest, VariablesInsertTheScreensTextIntoTheLine) {
    int calls = 0;
    label.OnScreenTag = [&](int id, std::string& tag) {
        ++calls;
        EXPECT_TRUE(tag.empty());
        if (id == 99997) tag = "1998";
        if (id == 99998) tag = "2001";
        if (id == 99999) tag = "2002";
        if (id == 7) tag = "<T1>bold<.>";
    };
    // The inserted text joins what is left of the line, so it is drawn with it as one run.
    EXPECT_EQ(
        Paint({"from 1 July <V99998> to 30 June <V99999>.", "<V99997>", "a<V7>b", "a<V5>b<V0>c"}),
        (std::vector<TRun>{{0, 0, "from 1 July "},
                           {84, 0, "2001 to 30 June "},
                           {196, 0, "2002."},
                           {0, 16, "1998"},
                           {0, 32, "a"},
                           {7, 32, "bold"},
                           {35, 32, "b"},
                           {0, 48, "a"},
                           {7, 48, "b"},
                           {14, 48, "c"}}));
    EXPECT_EQ(Drawn(5).Font.Style, fsBold);
    EXPECT_EQ(Drawn(6).Font.Style, 0);
    EXPECT_EQ(calls, 2 * 5);  // five variables other than 0, in each of the two passes
}

TEST_F(TextLayoutTest, VariablesWithoutHandlerInsertNothing) {
    EXPECT_EQ(Paint({"a<V99998>b"}), (std::vector<TRun>{{0, 0, "a"}, {7, 0, "b"}}));
}

TEST_F(TextLayoutTest, VariableThatInsertsItselfIsBoundedPerLine) {
    int calls = 0;
    label.OnScreenTag = [&](int id, std::string& tag) {
        ++calls;
        tag = id == 1 ? "<V1>x" : "2001";
    };
    const std::vector<TRun> runs = Paint({"<V1>", "<V2>"});
    const int limit = kMaxVariableInsertionsPerLine;
    EXPECT_EQ(runs, (std::vector<TRun>{{0, 0, std::string(static_cast<std::size_t>(limit), 'x')},
                                       {0, 16, "2001"}}));
    EXPECT_EQ(calls, 2 * (limit + 1));
}

struct TCheckCase {
    std::vector<std::string> Lines;
    bool WithHandler;
    std::vector<TRun> Expected;
    TFontStyles LastStyle;
};

class CheckTest : public TextLayoutTest, public ::testing::WithParamInterface<TCheckCase> {};

// The handler fails check 3 and passes check 4. A failed check ends the line after its tag: the
// rest is neither drawn nor read and the line does not advance.
TEST_P(CheckTest, ChecksDecideWhetherTheRestOfTheLineIsShown) {
    const TCheckCase& c = GetParam();
    std::vector<int> asked;
    if (c.WithHandler) {
        label.OnCheckTag = [&](int id, bool& pass) {
            EXPECT_FALSE(pass);
            asked.push_back(id);
            pass = id == 4;
        };
    }
    EXPECT_EQ(Paint(c.Lines), c.Expected);
    EXPECT_EQ(canvas.Texts.back().Font.Style, c.LastStyle);
    EXPECT_EQ(canvas.Beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckTest,
    ::testing::Values(
        TCheckCase{{"a<v3>hidden<Tx>", "next"}, true, {{0, 0, "a"}, {7, 0, "next"}}, 0},
        TCheckCase{{"<v4>shown", "next"}, true, {{0, 0, "shown"}, {0, 16, "next"}}, 0},
        TCheckCase{{"<v3;T1>hidden", "next"}, true, {{0, 0, "next"}}, fsBold},
        TCheckCase{{"<v3>shown", "next"}, false, {{0, 0, "shown"}, {0, 16, "next"}}, 0},
        TCheckCase{{"<v3;v0>shown"}, true, {{0, 0, "shown"}}, 0}));

// --- links and the mouse

struct TMouseCase {
    int X;
    int Y;
    TCursor Cursor;
    std::vector<int> Jumps;
    std::vector<int> Screens;
};

class MouseTest : public TextLayoutTest, public ::testing::WithParamInterface<TMouseCase> {};

// "topic" spans x 28..63 and "screen" 98..140, both y 0..16, edges included.
TEST_P(MouseTest, LinkUnderTheMouseSetsTheCursorAndAPressRaisesIt) {
    const TMouseCase& c = GetParam();
    label.SetCursor(TCursor::crIBeam);
    label.Loaded();
    std::vector<int> jumps;
    std::vector<int> screens;
    label.OnJumpClick = [&](int id) { jumps.push_back(id); };
    label.OnScreenClick = [&](int id) { screens.push_back(id); };
    Paint({"see <C12;J512>topic<.> and <G7>screen<.>", "<J3;G4>both"});

    label.MouseMove(c.X, c.Y);
    EXPECT_EQ(label.Cursor(), c.Cursor);
    label.MouseDown(c.X, c.Y);
    EXPECT_EQ(jumps, c.Jumps);
    EXPECT_EQ(screens, c.Screens);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MouseTest,
    ::testing::Values(TMouseCase{28, 0, TCursor::crHandPoint, {512}, {}},
                      TMouseCase{63, 16, TCursor::crHandPoint, {512}, {}},
                      TMouseCase{27, 8, TCursor::crIBeam, {}, {}},
                      TMouseCase{64, 8, TCursor::crIBeam, {}, {}},
                      TMouseCase{20, 17, TCursor::crHandPoint, {}, {4}},  // "both" on line 2
                      TMouseCase{20, 33, TCursor::crIBeam, {}, {}},
                      TMouseCase{98, 5, TCursor::crHandPoint, {}, {7}},
                      TMouseCase{140, 16, TCursor::crHandPoint, {}, {7}},
                      TMouseCase{141, 16, TCursor::crIBeam, {}, {}}));

TEST_F(TextLayoutTest, PressLooksAtTheLinksOfTheLatestPaint) {
    std::vector<int> jumps;
    label.OnJumpClick = [&](int id) { jumps.push_back(id); };
    Paint({"<s1><J5>one", "<s2><J6>two"});
    label.MouseMove(3, 3);
    EXPECT_EQ(label.HoveredJumpId(), 5);
    label.SetCurrentSection(2);
    Paint();
    label.MouseDown(3, 3);
    EXPECT_EQ(jumps, (std::vector<int>{6}));
}

}  // namespace
}  // namespace ftb::controls
