#pragma once
// The lexical pieces of the label markup: lines of a text, the commands of a tag, their numbers
// and the colour table of the colour command.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/core/TextCanvas.h"

namespace ftb::controls {

// Splits a text into lines at every CR LF, lone CR and lone LF. A break ends a line, so a final
// break adds no empty line, and an empty text has no lines.
std::vector<std::string> SplitMarkupLines(std::string_view text);

// The commands of a tag (the text between "<" and ">"), separated by ";". Empty commands are
// kept, so the caller can sound the alert for them, except the one after a trailing ";".
std::vector<std::string_view> SplitTagCommands(std::string_view tag);

// The number in the first `width` characters of a command's parameter: an optional sign and at
// least one decimal digit, nothing else. Nothing when those characters are not such a number.
std::optional<int> ParseMarkupNumber(std::string_view parameter, std::size_t width);

// The colour of a colour-command index 1..18; nothing for any other index.
std::optional<TColor> MarkupColor(int index);

}  // namespace ftb::controls
