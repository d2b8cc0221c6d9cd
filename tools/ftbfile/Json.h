#pragma once
// A small JSON reader for the return's JSON form. It keeps every number as the decimal text it
// was written with, so amounts can be converted straight to 80-bit values without passing
// through a double, and it keeps the members of an object in document order.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ftb::ftbfile {

// Malformed or refused JSON; the message says what and where, in plain words.
class EJsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct JsonMember;

struct JsonValue {
    enum class Type { Null, Boolean, Number, String, Array, Object };

    Type type = Type::Null;
    bool boolean = false;
    std::string text;                // Number: the decimal text as written; String: UTF-8
    std::vector<JsonValue> items;    // Array
    std::vector<JsonMember> members; // Object, in document order, names unique

    // The member of an object with this name, or null.
    const JsonValue* Find(std::string_view name) const;
};

struct JsonMember {
    std::string name;
    JsonValue value;
};

// Parses one JSON document (a leading UTF-8 byte order mark is skipped). Malformed input raises
// EJsonError with the line and column of the fault; so do invalid UTF-8 in a string, a member
// name that appears twice in one object, and nesting deeper than the return's form can need.
JsonValue ParseJson(std::string_view document);

// The UTF-8 text as a JSON string literal. Quotes, backslashes and the control characters
// (C0, DEL and C1) are escaped so the output stays printable.
std::string JsonQuote(std::string_view utf8);

}  // namespace ftb::ftbfile
