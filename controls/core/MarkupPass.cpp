#include "controls/core/MarkupPass.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include "controls/core/MarkupParser.h"

namespace ftb::controls {
namespace {

// Characters of the parameter each command reads; the rest of the command is ignored.
constexpr std::size_t kStyleWidth = 3;
constexpr std::size_t kSizeWidth = 3;
constexpr std::size_t kFontNameWidth = 30;
constexpr std::size_t kColorWidth = 2;
constexpr std::size_t kColorTagWidth = 5;
constexpr std::size_t kPixelWidth = 4;
constexpr std::size_t kSpacingWidth = 2;
constexpr std::size_t kIdWidth = 5;  // links, variables, checks and sections

constexpr TFontStyles kMarkupStyleBits = fsBold | fsItalic | fsUnderline;
constexpr int kDefaultLineSpacing = 10;
constexpr int kDefaultSection = 1;

// The line being read: what is left of it starts at `Pos`; variables insert text there.
struct TMarkupLine {
    std::string Text;
    std::size_t Pos = 0;
    int Insertions = 0;
};

class TMarkupPass {
public:
    TMarkupPass(const TMarkupPassInput& input, TMarkupState& state, TTextCanvas& canvas)
        : in_(input),
          st_(state),
          canvas_(canvas),
          penX_(input.ContentLeft),
          penY_(input.ContentTop),
          lineSpacing_(input.LineSpacing),
          font_(state.BaseFont) {}

    int Run() {
        for (const std::string& line : in_.Lines) RunLine(line);
        return penY_;
    }

private:
    bool SectionShown() const {
        return st_.Section == in_.CurrentSection || st_.Section == kAlwaysShownSection;
    }

    void RunLine(const std::string& source) {
        st_.LineVisible = true;
        if (!source.empty() && source.front() == ';') return;  // a comment
        TMarkupLine line{source};
        while (line.Pos < line.Text.size() && st_.LineVisible) {
            const std::string_view text = line.Text;
            const std::size_t open = text.find('<', line.Pos);
            const std::size_t close =
                open == std::string_view::npos ? open : text.find('>', open + 1);
            if (close == std::string_view::npos) {
                // No complete tag is left: the rest of the line, any "<" included, is text.
                DrawRun(text.substr(line.Pos));
                break;
            }
            DrawRun(text.substr(line.Pos, open - line.Pos));
            // A copy: a variable in the tag rewrites the line the tag was read from.
            const std::string tag(text.substr(open + 1, close - open - 1));
            line.Pos = close + 1;
            for (const std::string_view command : SplitTagCommands(tag)) RunCommand(command, line);
        }
        if (st_.LineVisible && SectionShown()) {
            penY_ = ClampCoordinate(static_cast<long long>(penY_) + LineAdvance());
            penX_ = ClampCoordinate(static_cast<long long>(in_.ContentLeft) + indent_);
        }
    }

    void RunCommand(std::string_view command, TMarkupLine& line) {
        if (command.empty()) {
            if (SectionShown()) canvas_.Beep();
            return;
        }
        const char letter = command.front();
        const std::string_view parameter = command.substr(1);
        if (letter == 's') {
            st_.Section = ParseMarkupNumber(parameter, kIdWidth).value_or(kDefaultSection);
            return;
        }
        if (!SectionShown()) return;
        switch (letter) {
            case '.':
                ResetFont();
                break;
            case 'T':
                if (const auto style = RequiredNumber(parameter, kStyleWidth)) {
                    font_.Style = static_cast<TFontStyles>(*style & kMarkupStyleBits);
                    FontChanged();
                }
                break;
            case 'S':
                if (const auto size = RequiredNumber(parameter, kSizeWidth)) {
                    font_.Size = in_.Scale.FontSize(*size);
                    FontChanged();
                }
                break;
            case 'F':
                font_.Name = std::string(parameter.substr(0, kFontNameWidth));
                FontChanged();
                break;
            case 'C':
                SetTableColor(parameter);
                break;
            case 'c':
                RunColorTag(ParseMarkupNumber(parameter, kColorTagWidth).value_or(0));
                break;
            case 'X':
                if (const auto value = RequiredNumber(parameter, kPixelWidth)) {
                    indent_ = in_.Scale.Position(*value);
                    penX_ = ClampCoordinate(static_cast<long long>(in_.ContentLeft) + indent_);
                }
                break;
            case 'x':
                if (const auto value = RequiredNumber(parameter, kPixelWidth)) {
                    penX_ =
                        ClampCoordinate(static_cast<long long>(penX_) + in_.Scale.Position(*value));
                }
                break;
            case 'Y':
                if (const auto value = RequiredNumber(parameter, kPixelWidth)) {
                    MovePenY(*value, parameter.front() == '-');
                }
                break;
            case 'y':
                if (const auto value = RequiredNumber(parameter, kPixelWidth)) {
                    penY_ =
                        ClampCoordinate(static_cast<long long>(penY_) + in_.Scale.Position(*value));
                }
                break;
            case 'L':
                lineSpacing_ =
                    ParseMarkupNumber(parameter, kSpacingWidth).value_or(kDefaultLineSpacing);
                break;
            case 'A':
                st_.Alignment = AlignmentOf(parameter);
                break;
            case 'J':
                st_.ActiveJumpId = ParseMarkupNumber(parameter, kIdWidth).value_or(0);
                break;
            case 'G':
                st_.ActiveScreenId = ParseMarkupNumber(parameter, kIdWidth).value_or(0);
                break;
            case 'V':
                InsertVariable(ParseMarkupNumber(parameter, kIdWidth).value_or(0), line);
                break;
            case 'v':
                RunCheck(ParseMarkupNumber(parameter, kIdWidth).value_or(0));
                break;
            default:
                break;  // not a command of the markup
        }
    }

    // A parameter that must be a number; the alert sounds when it is not.
    std::optional<int> RequiredNumber(std::string_view parameter, std::size_t width) {
        const auto value = ParseMarkupNumber(parameter, width);
        if (!value) canvas_.Beep();
        return value;
    }

    void SetTableColor(std::string_view parameter) {
        const auto index = ParseMarkupNumber(parameter, kColorWidth);
        const auto color = index ? MarkupColor(*index) : std::nullopt;
        if (!color) {
            canvas_.Beep();
            return;
        }
        font_.Color = *color;
        FontChanged();
    }

    void RunColorTag(int number) {
        if (number == 0) {
            st_.BaseFont.Color = in_.DesignFontColor;
            font_.Color = st_.BaseFont.Color;
        } else if (in_.OnColorTag) {
            TColor color = font_.Color;
            in_.OnColorTag(number, color);
            font_.Color = color;
        } else {
            return;
        }
        FontChanged();
    }

    void ResetFont() {
        font_ = st_.BaseFont;
        font_.Size = in_.Scale.FontSize(in_.DesignFontSize);
        FontChanged();
        st_.ActiveJumpId = 0;
        st_.ActiveScreenId = 0;
    }

    // From the top of the content area, or with a leading minus sign so that the next line ends
    // that far above the bottom of the label, inside its bevels.
    void MovePenY(int value, bool fromBottom) {
        const long long offset = in_.Scale.Position(value);
        if (fromBottom) {
            penY_ = ClampCoordinate(static_cast<long long>(in_.LabelHeight) - std::llabs(offset) -
                                    in_.BevelInset - LineAdvance());
        } else {
            penY_ = ClampCoordinate(in_.ContentTop + offset);
        }
    }

    static TMarkupAlignment AlignmentOf(std::string_view parameter) {
        const char letter = parameter.empty() ? '\0' : parameter.front();
        if (letter == 'R') return TMarkupAlignment::Right;
        if (letter == 'C') return TMarkupAlignment::Centre;
        return TMarkupAlignment::Left;
    }

    void InsertVariable(int number, TMarkupLine& line) {
        if (number == 0 || !in_.OnScreenTag) return;
        if (line.Insertions >= kMaxVariableInsertionsPerLine) return;
        ++line.Insertions;
        std::string value;
        in_.OnScreenTag(number, value);
        if (value.empty()) return;
        line.Text = value.append(line.Text, line.Pos);
        line.Pos = 0;
    }

    void RunCheck(int number) {
        bool pass = true;
        if (number != 0 && in_.OnCheckTag) {
            pass = false;
            in_.OnCheckTag(number, pass);
        }
        st_.LineVisible = pass;
    }

    void DrawRun(std::string_view run) {
        if (run.empty() || !in_.Drawing || !SectionShown()) return;
        UseFont();
        const TTextSize size = canvas_.MeasureText(run);
        if (st_.Alignment == TMarkupAlignment::Right) {
            penX_ = ClampCoordinate(static_cast<long long>(penX_) - size.Width);
        } else if (st_.Alignment == TMarkupAlignment::Centre) {
            penX_ = ClampCoordinate(static_cast<long long>(penX_) - size.Width / 2);
        }
        canvas_.DrawText(penX_, penY_, run);
        const TRect rect{penX_, penY_, ClampCoordinate(static_cast<long long>(penX_) + size.Width),
                         ClampCoordinate(static_cast<long long>(penY_) + size.Height)};
        if (st_.ActiveJumpId > 0) st_.JumpHotspots.push_back({st_.ActiveJumpId, rect});
        if (st_.ActiveScreenId > 0) st_.ScreenHotspots.push_back({st_.ActiveScreenId, rect});
        penX_ = rect.Right;
    }

    // Round(TextHeight("H") × line spacing / 10) in the current font.
    long long LineAdvance() {
        UseFont();
        if (!lineHeight_) lineHeight_ = canvas_.MeasureText("H").Height;
        return RoundCoordinate(
            static_cast<double>(static_cast<long long>(*lineHeight_) * lineSpacing_) / 10);
    }

    void FontChanged() { fontApplied_ = false; }

    // Hands the current font to the canvas only when it has changed since it was last given.
    void UseFont() {
        if (fontApplied_) return;
        canvas_.SetFont(font_);
        fontApplied_ = true;
        lineHeight_.reset();
    }

    const TMarkupPassInput& in_;
    TMarkupState& st_;
    TTextCanvas& canvas_;
    int penX_;
    int penY_;
    int indent_ = 0;
    int lineSpacing_;
    TFontDesc font_;
    bool fontApplied_ = false;
    std::optional<int> lineHeight_;
};

}  // namespace

int RunMarkupPass(const TMarkupPassInput& input, TMarkupState& state, TTextCanvas& canvas) {
    return TMarkupPass(input, state, canvas).Run();
}

}  // namespace ftb::controls
