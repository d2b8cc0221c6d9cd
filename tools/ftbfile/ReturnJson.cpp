#include "tools/ftbfile/ReturnJson.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <memory>
#include <vector>

#include "data/Ext80.h"
#include "data/Win1252.h"
#include "tools/ftbfile/Json.h"
#include "tools/ftbfile/NumberText.h"

namespace ftb::ftbfile {
namespace {

using data::FieldKind;
using data::Slot;
using Type = JsonValue::Type;

// By FieldKind value.
constexpr std::array<std::string_view, 9> kKindNames = {
    "fkEmpty",     "fkInteger", "fkDollars",  "fkCents",         "fkLongText",
    "fkShortText", "fkCheck",   "fkTextList", "fkWorksheetList",
};
constexpr std::size_t kMaxShortText = 9;
constexpr std::size_t kMaxLongText = 255;

// ---- store to JSON ---------------------------------------------------------------------------

std::string Quoted(std::string_view win1252) { return JsonQuote(data::Win1252ToUtf8(win1252)); }

std::string ValueMembers(const Slot& slot) {
    switch (slot.kind) {
        case data::fkInteger:
        case data::fkDollars:
        case data::fkCents: {
            if (auto decimal = DecimalText(slot.payload)) return ", \"value\": " + *decimal;
            return ", \"value\": null, \"raw\": \"" + HexText(slot.payload) + "\"";
        }
        case data::fkShortText: {
            const std::size_t length = std::min<std::size_t>(slot.payload[0], kMaxShortText);
            return ", \"text\": " +
                   Quoted({reinterpret_cast<const char*>(slot.payload.data() + 1), length});
        }
        case data::fkLongText:
            return ", \"text\": " + Quoted(slot.longText ? *slot.longText : std::string());
        case data::fkCheck:
            return std::string(", \"checked\": ") + (slot.payload[0] != 0 ? "true" : "false");
        case data::fkTextList: {
            std::string lines;
            if (slot.list) {
                for (const std::string& line : *slot.list)
                    lines += (lines.empty() ? "" : ", ") + Quoted(line);
            }
            return ", \"lines\": [" + lines + "]";
        }
        default: return {};  // fkEmpty, and a worksheet list inside an entry, carry no value
    }
}

std::string KindMember(FieldKind kind) {
    return ", \"kind\": \"" + std::string(kKindNames[kind]) + "\"";
}

std::string FieldToJson(int field, const Slot& slot) {
    std::string json = "{\"field\": " + std::to_string(field) + KindMember(slot.kind);
    if (slot.kind != data::fkWorksheetList) return json + ValueMembers(slot) + "}";
    json += ", \"entries\": [";
    if (slot.worksheets) {
        bool first = true;
        for (const data::WorksheetEntry& entry : *slot.worksheets) {
            json += first ? "\n       " : ",\n       ";
            first = false;
            json += "{\"worksheet\": " + std::to_string(entry.worksheet) +
                    ", \"field\": " + std::to_string(entry.field) + KindMember(entry.slot.kind) +
                    ValueMembers(entry.slot) + "}";
        }
    }
    return json + "]}";
}

// ---- JSON to store ---------------------------------------------------------------------------

[[noreturn]] void Refuse(const std::string& where, const std::string& what) {
    throw EJsonError(where + ": " + what);
}

void RefuseUnknownMembers(const JsonValue& object, const std::vector<std::string_view>& known,
                          const std::string& where) {
    for (const JsonMember& member : object.members) {
        if (std::find(known.begin(), known.end(), member.name) == known.end())
            Refuse(where, "unknown member " + JsonQuote(member.name));
    }
}

const JsonValue& Required(const JsonValue& object, std::string_view name,
                          const std::string& where) {
    const JsonValue* value = object.Find(name);
    if (!value) Refuse(where, "the member \"" + std::string(name) + "\" is missing");
    return *value;
}

// A whole number from `low` to `high`, or nothing.
std::optional<std::int64_t> WholeNumber(const JsonValue& value, std::int64_t low,
                                        std::int64_t high) {
    if (value.type != Type::Number) return std::nullopt;
    auto number = ScanWholeNumber(value.text);
    if (!number || *number < low || *number > high) return std::nullopt;
    return number;
}

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

std::int32_t ScreenNumber(const JsonValue* value, const std::string& what) {
    if (!value) return 0;
    auto number = WholeNumber(*value, kInt32Min, kInt32Max);
    if (!number) {
        throw EJsonError(what + " must be a whole number from -2147483648 to 2147483647");
    }
    return static_cast<std::int32_t>(*number);
}

// The first character of a UTF-8 text that Windows-1252 cannot hold, as "x" (U+XXXX).
std::string FirstForeignCharacter(const std::string& utf8) {
    for (char32_t codePoint : QString::fromStdString(utf8).toUcs4()) {
        if (data::CodePointToWin1252(codePoint)) continue;
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(codePoint));
        return "\"" + QString::fromUcs4(&codePoint, 1).toStdString() + "\" (" + code + ")";
    }
    return {};
}

std::string Win1252Text(const JsonValue& value, const std::string& where, const std::string& what) {
    if (value.type != Type::String) Refuse(where, what + " must be a text in double quotes");
    auto text = data::Utf8ToWin1252(value.text);
    if (!text) {
        Refuse(where, what + " holds the character " + FirstForeignCharacter(value.text) +
                          ", which Windows-1252 cannot hold");
    }
    return *text;
}

void NumberFromJson(const JsonValue& object, const std::string& where, Slot& slot) {
    const JsonValue& value = Required(object, "value", where);
    const JsonValue* raw = object.Find("raw");
    if (value.type == Type::Number) {
        if (raw) Refuse(where, "\"raw\" goes only with \"value\": null");
        auto number = ScanDecimal(value.text);
        if (!number) Refuse(where, "the value " + value.text + " is too large or too small for the file's numbers");
        slot.payload = data::EncodeExt80(*number);
        return;
    }
    if (value.type != Type::Null) Refuse(where, "\"value\" must be a number, or null with \"raw\"");
    auto bytes = raw && raw->type == Type::String ? ScanHexExt80(raw->text) : std::nullopt;
    if (!bytes) Refuse(where, "a null \"value\" needs \"raw\": the 10 bytes of the value as 20 hex digits");
    slot.payload = *bytes;
}

void TextFromJson(const JsonValue& object, const std::string& where, Slot& slot) {
    const std::string text = Win1252Text(Required(object, "text", where), where, "the text");
    const std::size_t limit = slot.kind == data::fkShortText ? kMaxShortText : kMaxLongText;
    if (text.size() > limit) {
        Refuse(where, "the text has " + std::to_string(text.size()) + " characters; an " +
                          std::string(kKindNames[slot.kind]) + " holds at most " +
                          std::to_string(limit));
    }
    if (slot.kind == data::fkShortText) {
        slot.payload[0] = static_cast<std::uint8_t>(text.size());
        std::copy(text.begin(), text.end(), slot.payload.begin() + 1);
    } else {
        slot.longText = std::make_unique<std::string>(text);
    }
}

void LinesFromJson(const JsonValue& object, const std::string& where, Slot& slot) {
    const JsonValue& lines = Required(object, "lines", where);
    if (lines.type != Type::Array) Refuse(where, "\"lines\" must be a list of texts");
    slot.list = std::make_unique<data::TextList>();
    for (std::size_t i = 0; i < lines.items.size(); ++i) {
        const std::string what = "line " + std::to_string(i + 1);
        std::string line = Win1252Text(lines.items[i], where, what);
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            Refuse(where, what + " holds a line break or NUL character, which a line cannot hold");
        slot.list->push_back(std::move(line));
    }
}

FieldKind KindFromJson(const JsonValue& object, const std::string& where, bool inWorksheet) {
    const JsonValue& kind = Required(object, "kind", where);
    auto name = std::find(kKindNames.begin(), kKindNames.end(),
                          kind.type == Type::String ? kind.text : std::string());
    if (name == kKindNames.end()) {
        Refuse(where, "unknown kind " + (kind.type == Type::String ? JsonQuote(kind.text) : "") +
                          " (kinds are fkInteger, fkDollars, fkCents, fkLongText, fkShortText, "
                          "fkCheck, fkTextList and fkWorksheetList)");
    }
    const auto result = static_cast<FieldKind>(name - kKindNames.begin());
    if (result == data::fkEmpty && !inWorksheet) Refuse(where, "a field cannot be of kind fkEmpty");
    return result;
}

Slot SlotFromJson(const JsonValue& object, const std::string& where, bool inWorksheet);

void EntriesFromJson(const JsonValue& object, const std::string& where, Slot& slot) {
    const JsonValue& entries = Required(object, "entries", where);
    if (entries.type != Type::Array) Refuse(where, "\"entries\" must be a list of worksheet entries");
    slot.worksheets = std::make_unique<data::WorksheetList>();
    for (std::size_t i = 0; i < entries.items.size(); ++i) {
        const JsonValue& item = entries.items[i];
        const std::string at = where + ", entry " + std::to_string(i + 1);
        if (item.type != Type::Object) Refuse(at, "a worksheet entry must be an object");
        auto worksheet = WholeNumber(Required(item, "worksheet", at), 1, 65535);
        if (!worksheet) Refuse(at, "\"worksheet\" must be a worksheet number from 1 to 65535");
        auto field = WholeNumber(Required(item, "field", at), 1, data::kFieldCount);
        if (!field) Refuse(at, "\"field\" must be a field number from 1 to 1999");
        data::WorksheetEntry& added = slot.worksheets->emplace_back();
        added.worksheet = static_cast<std::uint16_t>(*worksheet);
        added.field = static_cast<std::int32_t>(*field);
        added.slot = SlotFromJson(item, at, true);
    }
}

// The slot of a field or of a worksheet entry from its "kind" and value members.
Slot SlotFromJson(const JsonValue& object, const std::string& where, bool inWorksheet) {
    Slot slot;
    slot.kind = KindFromJson(object, where, inWorksheet);
    std::vector<std::string_view> known = {"field", "kind"};
    if (inWorksheet) known.push_back("worksheet");
    auto allow = [&](std::initializer_list<std::string_view> valueMembers) {
        known.insert(known.end(), valueMembers);
        RefuseUnknownMembers(object, known, where);
    };
    switch (slot.kind) {
        case data::fkInteger:
        case data::fkDollars:
        case data::fkCents:
            allow({"value", "raw"});
            NumberFromJson(object, where, slot);
            break;
        case data::fkShortText:
        case data::fkLongText:
            allow({"text"});
            TextFromJson(object, where, slot);
            break;
        case data::fkCheck: {
            allow({"checked"});
            const JsonValue& checked = Required(object, "checked", where);
            if (checked.type != Type::Boolean) Refuse(where, "\"checked\" must be true or false");
            slot.payload[0] = checked.boolean ? 1 : 0;
            break;
        }
        case data::fkTextList:
            allow({"lines"});
            LinesFromJson(object, where, slot);
            break;
        case data::fkWorksheetList:
            // Only a field holds a list; an entry of this kind keeps just its slot image.
            if (inWorksheet) {
                allow({});
            } else {
                allow({"entries"});
                EntriesFromJson(object, where, slot);
            }
            break;
        default: allow({}); break;  // fkEmpty, in a worksheet entry only
    }
    return slot;
}

}  // namespace

std::string ReturnToJson(const data::FieldStore& store, const data::ScreenPosition& position) {
    std::string history;
    for (std::int32_t screen : position.history)
        history += (history.empty() ? "" : ", ") + std::to_string(screen);
    std::string json = "{\"group\": " + std::to_string(position.group) +
                       ", \"index\": " + std::to_string(position.index) + ", \"history\": [" +
                       history + "],\n \"fields\": [";
    bool first = true;
    for (int field = 1; field <= data::kFieldCount; ++field) {
        const Slot& slot = store.SlotOf(field);
        if (slot.kind == data::fkEmpty) continue;
        json += first ? "\n   " : ",\n   ";
        first = false;
        json += FieldToJson(field, slot);
    }
    return json + "]}\n";
}

void ReturnFromJson(std::string_view json, data::FieldStore& store,
                    data::ScreenPosition& position) {
    const JsonValue document = ParseJson(json);
    const std::string top = "the return";
    if (document.type != Type::Object)
        Refuse(top, "the JSON must be an object with \"group\", \"index\", \"history\" and \"fields\"");
    RefuseUnknownMembers(document, {"group", "index", "history", "fields"}, top);
    position.group = ScreenNumber(document.Find("group"), "\"group\"");
    position.index = ScreenNumber(document.Find("index"), "\"index\"");
    position.history.clear();
    if (const JsonValue* history = document.Find("history")) {
        if (history->type != Type::Array) Refuse(top, "\"history\" must be a list of screen numbers");
        for (std::size_t i = 0; i < history->items.size(); ++i) {
            position.history.push_back(
                ScreenNumber(&history->items[i], "history entry " + std::to_string(i + 1)));
        }
    }
    const JsonValue& fields = Required(document, "fields", top);
    if (fields.type != Type::Array) Refuse(top, "\"fields\" must be a list of fields");
    for (std::size_t i = 0; i < fields.items.size(); ++i) {
        const JsonValue& item = fields.items[i];
        const std::string at = "fields entry " + std::to_string(i + 1);
        if (item.type != Type::Object) Refuse(at, "a field must be an object");
        const JsonValue& number = Required(item, "field", at);
        auto field = WholeNumber(number, 1, data::kFieldCount);
        if (!field) {
            Refuse(number.type == Type::Number ? "field " + number.text : at,
                   "a field number must be from 1 to 1999");
        }
        const std::string where = "field " + std::to_string(*field);
        Slot& slot = store.SlotOf(static_cast<int>(*field));
        if (slot.kind != data::fkEmpty) Refuse(where, "the field appears twice");
        slot = SlotFromJson(item, where, false);
    }
}

}  // namespace ftb::ftbfile
