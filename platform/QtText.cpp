#include "platform/QtText.h"

#include "data/Win1252.h"

namespace ftb::platform {

QString FromWin1252(std::string_view text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) {
        out.append(QChar(static_cast<char16_t>(data::Win1252ToCodePoint(static_cast<unsigned char>(c)))));
    }
    return out;
}

std::string ToWin1252(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        auto byte = data::CodePointToWin1252(ch.unicode());
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

bool IsWin1252Text(const QString& text) {
    for (QChar ch : text) {
        // The editors' own line and paragraph breaks are stored as line breaks.
        if (ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator) continue;
        if (!data::CodePointToWin1252(ch.unicode())) return false;
    }
    return true;
}

QString BoxText(std::string_view text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            lines += '\n';
            ++i;
        } else if (text[i] == '\r' || text[i] == '\n') {
            lines += '\n';
        } else {
            lines += text[i];
        }
    }
    return FromWin1252(lines);
}

}  // namespace ftb::platform
