#pragma once
// Command-line arguments and the paths in them are byte strings on this system, and a file name
// need not be valid UTF-8. The tools parse their command lines as QStrings; to carry such a name
// through unchanged, each byte that is no part of a valid UTF-8 sequence is held as the lone
// surrogate U+DC80 + byte (which no valid text decodes to) and turned back into that byte when
// the path is handed to the system.
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace ftb::ftbfile {

QString ArgumentText(std::string_view bytes);
std::string ArgumentBytes(const QString& text);
QStringList ArgumentList(int argc, char** argv);

}  // namespace ftb::ftbfile
