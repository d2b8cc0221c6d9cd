#pragma once
// Texts of the return are single-byte Windows-1252. These convert them to and from Unicode at
// the boundaries (the screen, JSON); nowhere else is a text converted.
#include <optional>
#include <string>
#include <string_view>

namespace ftb::data {

// The Unicode code point of a Windows-1252 byte. The five bytes the code page leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, so every byte travels.
char32_t Win1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte of a code point, or nothing when the code page cannot hold it.
std::optional<unsigned char> CodePointToWin1252(char32_t codePoint);

std::string Win1252ToUtf8(std::string_view text);

// Nothing when the text is not valid UTF-8 or holds a character Windows-1252 cannot hold.
std::optional<std::string> Utf8ToWin1252(std::string_view text);

}  // namespace ftb::data
