#include "controls/core/MarkupParser.h"

#include <array>

namespace ftb::controls {

std::vector<std::string> SplitMarkupLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t brk = text.find_first_of("\r\n", start);
        if (brk == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, brk - start));
        start = brk + 1;
        if (text[brk] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

std::vector<std::string_view> SplitTagCommands(std::string_view tag) {
    std::vector<std::string_view> commands;
    std::size_t start = 0;
    for (;;) {
        const std::size_t semicolon = tag.find(';', start);
        if (semicolon == std::string_view::npos) {
            // After a trailing ";" there is no further command; "<>" itself is one empty one.
            if (start < tag.size() || commands.empty()) commands.push_back(tag.substr(start));
            return commands;
        }
        commands.push_back(tag.substr(start, semicolon - start));
        start = semicolon + 1;
    }
}

std::optional<int> ParseMarkupNumber(std::string_view parameter, std::size_t width) {
    const std::string_view text = parameter.substr(0, width);
    std::size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) pos = 1;
    if (pos == text.size()) return std::nullopt;
    int value = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9') return std::nullopt;
        // The widest parameter has five characters, so the value cannot overflow.
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::optional<TColor> MarkupColor(int index) {
    static constexpr std::array<TColor, 18> kColors = {
        RGBColor(0x00, 0x00, 0x00),  // 1 black
        RGBColor(0x80, 0x00, 0x00),  // 2 maroon
        RGBColor(0x00, 0x80, 0x00),  // 3 green
        RGBColor(0x80, 0x80, 0x00),  // 4 olive
        RGBColor(0x00, 0x00, 0x80),  // 5 navy
        RGBColor(0x80, 0x00, 0x80),  // 6 purple
        RGBColor(0x00, 0x80, 0x80),  // 7 teal
        RGBColor(0x80, 0x80, 0x80),  // 8 grey
        RGBColor(0xC0, 0xC0, 0xC0),  // 9 silver
        RGBColor(0xFF, 0x00, 0x00),  // 10 red
        RGBColor(0x00, 0xFF, 0x00),  // 11 lime
        RGBColor(0x00, 0x00, 0xFF),  // 12 blue
        RGBColor(0xFF, 0x00, 0xFF),  // 13 fuchsia
        RGBColor(0x00, 0xFF, 0xFF),  // 14 aqua
        RGBColor(0xFF, 0xFF, 0xFF),  // 15 white
        RGBColor(0xFF, 0xFF, 0x00),  // 16 yellow
        clBtnFace,                   // 17
        clWindow,                    // 18
    };
    if (index < 1 || index > static_cast<int>(kColors.size())) return std::nullopt;
    return kColors[static_cast<std::size_t>(index - 1)];
}

}  // namespace ftb::controls
