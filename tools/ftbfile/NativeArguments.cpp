#include "tools/ftbfile/NativeArguments.h"

namespace ftb::ftbfile {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // + a byte from 0x80 to 0xFF

// The length of the valid UTF-8 sequence at `at` and its code point; 0 when there is none.
std::size_t Utf8Sequence(std::string_view bytes, std::size_t at, char32_t& point) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        point = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, point = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, point = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, point = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        point = (point << 6) | (byte(at + i) & 0x3F);
    }
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    if (point < minimum || point > 0x10FFFF || surrogate) return 0;
    return length;
}

}  // namespace

QString ArgumentText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t point = 0;
        const std::size_t length = Utf8Sequence(bytes, at, point);
        if (length == 0) {
            text.append(QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[at]))));
            ++at;
            continue;
        }
        text.append(QString::fromUcs4(&point, 1));
        at += length;
    }
    return text;
}

std::string ArgumentBytes(const QString& text) {
    std::string bytes;
    QString run;  // ordinary text waiting to be written as UTF-8
    const auto flush = [&] {
        bytes += run.toUtf8().toStdString();
        run.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        const bool afterHigh = i > 0 && text[i - 1].isHighSurrogate();
        if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF && !afterHigh) {
            flush();
            bytes.push_back(static_cast<char>(unit - kEscapeBase));
        } else {
            run.append(text[i]);
        }
    }
    flush();
    return bytes;
}

QStringList ArgumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(ArgumentText(argv[i]));
    return arguments;
}

}  // namespace ftb::ftbfile
