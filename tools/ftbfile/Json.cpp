#include "tools/ftbfile/Json.h"

#include <QString>
#include <QStringDecoder>
#include <algorithm>
#include <cstdio>

namespace ftb::ftbfile {
namespace {

// The return's form nests four levels deep; anything much deeper is not a return.
constexpr int kMaxDepth = 16;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsValidUtf8(std::string_view text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    return !decoder.hasError();
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    out += QString::fromUcs4(&codePoint, 1).toStdString();
}

class Parser {
public:
    explicit Parser(std::string_view document) : doc_(document) {}

    JsonValue Document() {
        if (doc_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
        JsonValue value = Value(0);
        SkipSpace();
        if (pos_ < doc_.size()) Fail("there is more text after the end of the JSON value");
        return value;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const { FailAt(pos_, what); }

    // Line and column count from 1; a column is one character (a UTF-8 sequence).
    [[noreturn]] void FailAt(std::size_t at, const std::string& what) const {
        int line = 1;
        int column = 1;
        for (std::size_t i = 0; i < at && i < doc_.size(); ++i) {
            const auto byte = static_cast<unsigned char>(doc_[i]);
            if (byte == '\n') {
                ++line;
                column = 1;
            } else if ((byte & 0xC0) != 0x80) {
                ++column;
            }
        }
        throw EJsonError("malformed JSON at line " + std::to_string(line) + ", column " +
                         std::to_string(column) + ": " + what);
    }

    bool AtEnd() const { return pos_ >= doc_.size(); }
    char Peek() const { return doc_[pos_]; }

    void SkipSpace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r'))
            ++pos_;
    }

    void Expect(char c, const char* what) {
        SkipSpace();
        if (AtEnd() || Peek() != c) Fail(what);
        ++pos_;
    }

    JsonValue Value(int depth) {
        SkipSpace();
        if (AtEnd()) Fail("the text ends where a value should follow");
        if (depth > kMaxDepth) Fail("the values are nested too deeply");
        const char c = Peek();
        if (c == '{') return Object(depth);
        if (c == '[') return Array(depth);
        JsonValue value;
        if (c == '"') {
            value.type = JsonValue::Type::String;
            value.text = String();
        } else if (c == '-' || IsDigit(c)) {
            value.type = JsonValue::Type::Number;
            value.text = Number();
        } else if (Literal("true")) {
            value.type = JsonValue::Type::Boolean;
            value.boolean = true;
        } else if (Literal("false")) {
            value.type = JsonValue::Type::Boolean;
        } else if (!Literal("null")) {
            Fail("expected a value (an object, list, text, number, true, false or null)");
        }
        return value;
    }

    bool Literal(std::string_view word) {
        if (doc_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    JsonValue Object(int depth) {
        JsonValue object;
        object.type = JsonValue::Type::Object;
        ++pos_;  // '{'
        SkipSpace();
        if (!AtEnd() && Peek() == '}') {
            ++pos_;
            return object;
        }
        for (;;) {
            SkipSpace();
            if (AtEnd() || Peek() != '"') Fail("expected a member name in double quotes");
            const std::size_t nameAt = pos_;
            std::string name = String();
            if (object.Find(name)) FailAt(nameAt, "the member \"" + name + "\" appears twice");
            Expect(':', "expected ':' after the member name");
            object.members.push_back({std::move(name), Value(depth + 1)});
            SkipSpace();
            if (AtEnd()) Fail("the text ends inside an object");
            if (Peek() == '}') break;
            if (Peek() != ',') Fail("expected ',' or '}'");
            ++pos_;
        }
        ++pos_;  // '}'
        return object;
    }

    JsonValue Array(int depth) {
        JsonValue array;
        array.type = JsonValue::Type::Array;
        ++pos_;  // '['
        SkipSpace();
        if (!AtEnd() && Peek() == ']') {
            ++pos_;
            return array;
        }
        for (;;) {
            array.items.push_back(Value(depth + 1));
            SkipSpace();
            if (AtEnd()) Fail("the text ends inside a list");
            if (Peek() == ']') break;
            if (Peek() != ',') Fail("expected ',' or ']'");
            ++pos_;
        }
        ++pos_;  // ']'
        return array;
    }

    // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
    std::string Number() {
        const std::size_t start = pos_;
        auto digits = [&] {
            const std::size_t first = pos_;
            while (!AtEnd() && IsDigit(Peek())) ++pos_;
            if (pos_ == first) Fail("a digit is missing in the number");
        };
        if (Peek() == '-') ++pos_;
        if (!AtEnd() && Peek() == '0') {
            ++pos_;
        } else {
            digits();
        }
        if (!AtEnd() && Peek() == '.') {
            ++pos_;
            digits();
        }
        if (!AtEnd() && (Peek() == 'e' || Peek() == 'E')) {
            ++pos_;
            if (!AtEnd() && (Peek() == '+' || Peek() == '-')) ++pos_;
            digits();
        }
        return std::string(doc_.substr(start, pos_ - start));
    }

    unsigned Hex4() {
        if (pos_ + 4 > doc_.size()) Fail("\\u must be followed by four hex digits");
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = HexDigit(doc_[pos_++]);
            if (digit < 0) Fail("\\u must be followed by four hex digits");
            value = value * 16 + static_cast<unsigned>(digit);
        }
        return value;
    }

    char32_t Escape() {
        const std::size_t at = pos_;
        if (AtEnd()) Fail("the text ends inside a string");
        switch (doc_[pos_++]) {
            case '"': return U'"';
            case '\\': return U'\\';
            case '/': return U'/';
            case 'b': return U'\b';
            case 'f': return U'\f';
            case 'n': return U'\n';
            case 'r': return U'\r';
            case 't': return U'\t';
            case 'u': break;
            default: FailAt(at, "unknown escape after '\\'");
        }
        const unsigned unit = Hex4();
        if (unit >= 0xDC00 && unit <= 0xDFFF) FailAt(at, "a lone low surrogate escape");
        if (unit < 0xD800 || unit > 0xDBFF) return unit;
        if (doc_.substr(pos_, 2) != "\\u") FailAt(at, "a high surrogate escape without its pair");
        pos_ += 2;
        const unsigned low = Hex4();
        if (low < 0xDC00 || low > 0xDFFF) FailAt(at, "a high surrogate escape without its pair");
        return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    }

    std::string String() {
        const std::size_t start = pos_;
        ++pos_;  // '"'
        std::string text;
        for (;;) {
            if (AtEnd()) FailAt(start, "this string is not closed");
            const char c = doc_[pos_];
            if (c == '"') break;
            if (static_cast<unsigned char>(c) < 0x20)
                Fail("a control character in a string must be written as an escape");
            ++pos_;
            if (c == '\\') {
                AppendUtf8(text, Escape());
            } else {
                text += c;
            }
        }
        ++pos_;  // '"'
        if (!IsValidUtf8(text)) FailAt(start, "this string is not valid UTF-8");
        return text;
    }

    std::string_view doc_;
    std::size_t pos_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view name) const {
    auto it = std::find_if(members.begin(), members.end(),
                           [&](const JsonMember& m) { return m.name == name; });
    return it == members.end() ? nullptr : &it->value;
}

JsonValue ParseJson(std::string_view document) { return Parser(document).Document(); }

std::string JsonQuote(std::string_view utf8) {
    std::string out = "\"";
    auto escapeCode = [&](unsigned code) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "\\u%04x", code);
        out += buffer;
    };
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        switch (byte) {
            case '"': out += "\\\""; continue;
            case '\\': out += "\\\\"; continue;
            case '\n': out += "\\n"; continue;
            case '\r': out += "\\r"; continue;
            case '\t': out += "\\t"; continue;
            default: break;
        }
        const bool c1 = byte == 0xC2 && i + 1 < utf8.size() &&
                        static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
        if (c1) {
            escapeCode(static_cast<unsigned char>(utf8[++i]));
        } else if (byte < 0x20 || byte == 0x7F) {
            escapeCode(byte);
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out + "\"";
}

}  // namespace ftb::ftbfile
