#pragma once
// Conversion of the module's Windows-1252 texts at the Qt boundary, the only place it happens.
#include <QString>
#include <string>
#include <string_view>

namespace ftb::platform {

QString FromWin1252(std::string_view text);
// Characters the code page cannot hold become "?".
std::string ToWin1252(const QString& text);
// Every character of the text is one Windows-1252 can hold (line breaks included), so the text
// can be stored without loss. Entries refuse, with the alert sound, what does not pass.
bool IsWin1252Text(const QString& text);
// A box text as the system writes it: CR LF is one line break, any other CR or LF one each.
QString BoxText(std::string_view text);

}  // namespace ftb::platform
