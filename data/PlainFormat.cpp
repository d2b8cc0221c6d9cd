#include "data/PlainFormat.h"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <string>

#include "data/Errors.h"
#include "data/Ext80.h"
#include "data/PlainStream.h"

namespace ftb::data {
namespace {

constexpr std::size_t kMaxShortText = 9;
constexpr std::size_t kMaxLongText = 255;
// Worksheet number, field number, kind, unused byte, payload.
constexpr std::uint64_t kEntrySize = 2 + 4 + 1 + 1 + 10;
// A text list body ends with a zero byte and two padding bytes after its text.
constexpr std::uint8_t kTextListTail[3] = {0, 0, 0};

// ---- writing --------------------------------------------------------------------------------

std::string JoinLines(const TextList& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void WriteTextListBody(PlainWriter& out, const TextList& lines) {
    std::string text = JoinLines(lines);
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) - 3)
        throw ERangeError("Text list too long to save");
    out.Int32(static_cast<std::int32_t>(text.size() + 3));
    out.Bytes(text.data(), text.size());
    out.Bytes(kTextListTail, sizeof kTextListTail);
}

void WriteLongText(PlainWriter& out, const std::string* text) {
    std::size_t length = text ? std::min(text->size(), kMaxLongText) : 0;
    out.UInt8(static_cast<std::uint8_t>(length));
    if (length > 0) out.Bytes(text->data(), length);
}

bool HasLines(const Slot& slot) { return slot.list && !slot.list->empty(); }

// The 12-byte slot image inside a worksheet entry. The reference bytes of the kinds whose value
// is held outside the slot carry no meaning in the file and are written as zeros.
void WriteSlotImage(PlainWriter& out, const Slot& slot) {
    std::array<std::uint8_t, 10> payload = slot.payload;
    if (slot.kind == fkLongText || slot.kind == fkTextList || slot.kind == fkWorksheetList)
        std::fill(payload.begin(), payload.begin() + 4, std::uint8_t{0});
    out.UInt8(slot.kind);
    out.UInt8(0);
    out.Bytes(payload.data(), payload.size());
}

void WriteEntry(PlainWriter& out, const WorksheetEntry& entry) {
    out.UInt16(entry.worksheet);
    out.Int32(entry.field);
    WriteSlotImage(out, entry.slot);
    if (entry.slot.kind == fkLongText) {
        WriteLongText(out, entry.slot.longText.get());
    } else if (entry.slot.kind == fkTextList) {
        if (HasLines(entry.slot))
            WriteTextListBody(out, *entry.slot.list);
        else
            out.Int32(0);
    }
}

// Whether the field has a record in the file at all.
bool IsWritten(const Slot& slot) {
    switch (slot.kind) {
        case fkInteger:
            return true;
        case fkDollars:
        case fkCents:
            return DecodeExt80(slot.payload) != 0.0L;
        case fkLongText:
            return slot.longText != nullptr;
        case fkShortText:
            return slot.payload[0] != 0;
        case fkCheck:
            return slot.payload[0] != 0;
        case fkTextList:
            return HasLines(slot);
        case fkWorksheetList:
            return slot.worksheets && !slot.worksheets->empty();
        default:
            return false;
    }
}

void WriteRecord(PlainWriter& out, int field, const Slot& slot) {
    out.Int32(field);
    out.UInt8(slot.kind);
    switch (slot.kind) {
        case fkInteger:
        case fkDollars:
        case fkCents:
        case fkCheck:
            out.Bytes(slot.payload.data(), slot.payload.size());
            break;
        case fkLongText:
            WriteLongText(out, slot.longText.get());
            break;
        case fkShortText: {
            std::size_t length = std::min<std::size_t>(slot.payload[0], kMaxShortText);
            out.UInt8(static_cast<std::uint8_t>(length));
            out.Bytes(slot.payload.data() + 1, length);
            break;
        }
        case fkTextList:
            WriteTextListBody(out, *slot.list);
            break;
        case fkWorksheetList:
            if (slot.worksheets->size() >
                static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
                throw ERangeError("Worksheet list too long to save");
            out.Int32(static_cast<std::int32_t>(slot.worksheets->size()));
            for (const WorksheetEntry& entry : *slot.worksheets) WriteEntry(out, entry);
            break;
        default:
            break;
    }
}

// ---- reading --------------------------------------------------------------------------------

// The lines of a text: up to its first zero byte, split at CR LF, a lone CR or a lone LF; a
// break at the very end adds no empty line.
TextList SplitLines(const std::string& body) {
    std::string text = body.substr(0, body.find('\0'));
    TextList lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

// What is wrong with a damaged record, in words: the subject ("Field 9", "Entry 2 of field 773
// (worksheet 1, field 710)") and what it holds.
std::string KindText(std::uint8_t kind) {
    return " has the kind byte " + std::to_string(kind) + ", which no field has.";
}

std::string CountText(const char* list, std::int32_t count, const char* unit) {
    return " holds a " + std::string(list) + " of " + std::to_string(count) + " " + unit +
           (count < 0 ? "." : ", more than the rest of the file holds.");
}

std::string ShortTextText(unsigned length) {
    return " holds a short text of " + std::to_string(length) + " characters; at most " +
           std::to_string(kMaxShortText) + " fit.";
}

// Reads the count and bytes of a text list into a new list attached to the slot; false (with
// what is wrong) for a count that is negative or larger than the rest of the file.
bool ReadTextList(PlainReader& in, Slot& slot, std::string& damage) {
    std::int32_t count = in.Int32();
    if (count < 0 || static_cast<std::uint64_t>(count) > in.BytesLeft()) {
        damage = CountText("text list", count, "bytes");
        return false;
    }
    slot.list = std::make_unique<TextList>(
        count > 0 ? SplitLines(in.Text(static_cast<std::size_t>(count))) : TextList{});
    return true;
}

bool ReadEntry(PlainReader& in, WorksheetEntry& entry, std::string& damage) {
    entry.worksheet = in.UInt16();
    entry.field = in.Int32();
    std::uint8_t kind = in.UInt8();
    in.UInt8();  // unused byte of the slot image
    in.Bytes(entry.slot.payload.data(), entry.slot.payload.size());
    if (kind > fkWorksheetList) {
        damage = KindText(kind);
        return false;
    }
    entry.slot.kind = static_cast<FieldKind>(kind);
    switch (entry.slot.kind) {
        case fkShortText:
            if (entry.slot.payload[0] <= kMaxShortText) return true;
            damage = ShortTextText(entry.slot.payload[0]);
            return false;
        case fkLongText:
            std::fill(entry.slot.payload.begin(), entry.slot.payload.begin() + 4, std::uint8_t{0});
            entry.slot.longText = std::make_unique<std::string>(in.Text(in.UInt8()));
            return true;
        case fkTextList:
            std::fill(entry.slot.payload.begin(), entry.slot.payload.begin() + 4, std::uint8_t{0});
            return ReadTextList(in, entry.slot, damage);
        case fkWorksheetList:
            // Its list is not kept in the file; only the slot image travels.
            std::fill(entry.slot.payload.begin(), entry.slot.payload.begin() + 4, std::uint8_t{0});
            return true;
        default:
            return true;
    }
}

bool ReadWorksheetList(PlainReader& in, Slot& slot, std::int32_t tag, std::string& damage) {
    std::int32_t count = in.Int32();
    if (count < 0 || static_cast<std::uint64_t>(count) > in.BytesLeft()) {
        damage = "Field " + std::to_string(tag) + CountText("worksheet list", count, "entries");
        return false;
    }
    auto list = std::make_unique<WorksheetList>();
    // Entries are at least kEntrySize bytes each, so this never reserves beyond the file.
    list->reserve(
        static_cast<std::size_t>(std::min<std::uint64_t>(count, in.BytesLeft() / kEntrySize)));
    for (std::int32_t i = 0; i < count; ++i) {
        list->emplace_back();
        WorksheetEntry& entry = list->back();
        if (!ReadEntry(in, entry, damage)) {
            damage = "Entry " + std::to_string(i + 1) + " of field " + std::to_string(tag) +
                     " (worksheet " + std::to_string(entry.worksheet) + ", field " +
                     std::to_string(entry.field) + ")" + damage;
            return false;
        }
    }
    slot.worksheets = std::move(list);
    return true;
}

// Reads the kind and body of one record into `slot`; false, with what is wrong, when the
// record is damaged.
bool ReadRecordBody(PlainReader& in, Slot& slot, std::int32_t tag, std::string& damage) {
    const std::string field = "Field " + std::to_string(tag);
    std::uint8_t kind = in.UInt8();
    if (kind < fkInteger || kind > fkWorksheetList) {
        damage = field + KindText(kind);
        return false;
    }
    slot.kind = static_cast<FieldKind>(kind);
    switch (slot.kind) {
        case fkInteger:
        case fkDollars:
        case fkCents:
        case fkCheck:
            in.Bytes(slot.payload.data(), slot.payload.size());
            return true;
        case fkLongText:
            slot.longText = std::make_unique<std::string>(in.Text(in.UInt8()));
            return true;
        case fkShortText: {
            std::uint8_t length = in.UInt8();
            if (length > kMaxShortText) {
                damage = field + ShortTextText(length);
                return false;
            }
            slot.payload[0] = length;
            in.Bytes(slot.payload.data() + 1, length);
            return true;
        }
        case fkTextList:
            if (ReadTextList(in, slot, damage)) return true;
            damage = field + damage;
            return false;
        case fkWorksheetList:
            return ReadWorksheetList(in, slot, tag, damage);
        default:
            return false;
    }
}

}  // namespace

void WritePlain(const FieldStore& store, const ScreenPosition& position, File& file) {
    PlainWriter out(file);
    out.Bytes(kFileSignature.data(), kFileSignature.size());
    out.Int32(position.group);
    out.Int32(position.index);
    if (position.history.size() >
        static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw ERangeError("Screen history too long to save");
    out.Int32(static_cast<std::int32_t>(position.history.size()));
    for (std::int32_t screen : position.history) out.Int32(screen);
    for (int field = 1; field <= kFieldCount; ++field) {
        const Slot& slot = store.SlotOf(field);
        if (IsWritten(slot)) WriteRecord(out, field, slot);
    }
    out.Flush();
}

void ReadPlain(File& file, FieldStore& store, ScreenPosition& position, PlainReadResult& result) {
    result = PlainReadResult{};
    PlainReader in(file);
    std::string signature = in.Text(kFileSignature.size());
    if (signature != kFileSignature) return;
    result.signatureMatched = true;

    store.ClearAllFields();
    position.history.clear();
    position.group = in.Int32();
    position.index = in.Int32();
    // The count is not trusted: the history ends where the file does.
    for (std::int32_t i = in.Int32(); i > 0 && !in.AtEnd(); --i)
        position.history.push_back(in.Int32());

    while (!in.AtEnd()) {
        std::int32_t tag = in.Int32();
        Slot slot;
        if (!FieldStore::IsFieldNumber(tag) || !ReadRecordBody(in, slot, tag, result.damage)) {
            result.damagedTag = tag;
            return;
        }
        store.SlotOf(tag) = std::move(slot);
        result.lastTag = tag;
        ++result.recordsRead;
    }
}

}  // namespace ftb::data
