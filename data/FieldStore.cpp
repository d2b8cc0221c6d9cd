#include "data/FieldStore.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "data/Errors.h"
#include "data/Ext80.h"

namespace ftb::data {

// ---------------------------------------------------------------------------------------------
// Slot: deep copies of the held text, list and worksheet list.

Slot::Slot() = default;
Slot::~Slot() = default;
Slot::Slot(Slot&&) noexcept = default;
Slot& Slot::operator=(Slot&&) noexcept = default;

Slot::Slot(const Slot& other)
    : kind(other.kind),
      payload(other.payload),
      longText(other.longText ? std::make_unique<std::string>(*other.longText) : nullptr),
      list(other.list ? std::make_unique<TextList>(*other.list) : nullptr),
      worksheets(other.worksheets ? std::make_unique<WorksheetList>(*other.worksheets) : nullptr) {}

Slot& Slot::operator=(const Slot& other) {
    if (this == &other) return *this;
    Slot copy(other);  // copy first: `other` may live inside what this slot holds
    *this = std::move(copy);
    return *this;
}

namespace {

constexpr std::size_t kMaxText = 255;
constexpr std::size_t kInlineMax = 9;  // texts shorter than 10 characters are held in the slot

// The per-worksheet fields in ascending order.
template <typename F>
void ForEachPerWorksheetField(F&& f) {
    for (int field = 710; field <= 750; ++field) f(field);
    for (int field = 1100; field <= 1200; ++field) f(field);
}

bool IsNumberKind(FieldKind kind) {
    return kind == fkInteger || kind == fkDollars || kind == fkCents;
}

long double SlotNumber(const Slot& slot) {
    return slot.kind == fkEmpty ? 0.0L : DecodeExt80(slot.payload.data());
}

// The text of a kind-4 or kind-5 slot without copying; empty for other kinds.
std::string_view SlotText(const Slot& slot) {
    if (slot.kind == fkShortText) {
        const std::size_t length = std::min<std::size_t>(slot.payload[0], kInlineMax);
        return {reinterpret_cast<const char*>(slot.payload.data() + 1), length};
    }
    if (slot.kind == fkLongText && slot.longText) return *slot.longText;
    return {};
}

// Releases every reference the slot holds and zeroes it as kind 0.
void ResetSlot(Slot& slot) {
    slot.kind = fkEmpty;
    slot.payload.fill(0);
    slot.longText.reset();
    slot.list.reset();
    slot.worksheets.reset();
}

// The partner of a Yes/No check pair, or 0.
int CheckPartner(int field) {
    if (field == 9 || field == 10 || (field >= 17 && field <= 20) || field == 33 || field == 34)
        return (field % 2 != 0) ? field + 1 : field - 1;  // odd field first
    if (field >= 132 && field <= 143)
        return (field % 2 == 0) ? field + 1 : field - 1;  // even first
    return 0;
}

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Whether GetFieldText of the slot would be empty; never throws (a kind-1 value outside the
// 32-bit range counts as shown).
bool DisplayIsEmpty(const Slot& slot) {
    switch (slot.kind) {
        case fkInteger:
        case fkDollars:
        case fkCents: {
            const long double v = SlotNumber(slot);
            return std::fabs(v) < 0.001L;
        }
        case fkLongText:
        case fkShortText:
            return SlotText(slot).empty();
        case fkCheck:
            return slot.payload[0] == 0;
        case fkTextList:
            return !slot.list || slot.list->empty();
        default:
            return true;
    }
}

void AppendUnsigned(std::string& out, std::uint64_t n) {
    char buffer[24];
    int i = 0;
    do {
        buffer[i++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    while (i > 0) out.push_back(buffer[--i]);
}

}  // namespace

namespace detail {
// The 18 significant digits of the value (as the classic FloatToDecimal takes them from an
// extended), one rounding of that digit string, then the fixed or exponent layout.
std::string FormatFloatFixedByDigits(long double value, int precision, int digits) {
    precision = std::clamp(precision, 1, 18);
    digits = std::clamp(digits, 0, 18);
    const bool negative = std::signbit(value);
    const long double magnitude = std::fabs(value);
    if (std::isnan(magnitude)) return "NAN";
    if (std::isinf(magnitude)) return negative ? "-INF" : "INF";

    // 18 significant digits: d.ddddddddddddddddde±x
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", magnitude);
    std::string mantissa;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') mantissa.push_back(*p);
    int exponent = (*p == 'e') ? std::atoi(p + 1) + 1 : 1;  // value = 0.mantissa * 10^exponent
    if (magnitude == 0.0L) {
        mantissa.clear();
        exponent = 0;
    }

    // Round once at min(precision, exponent + digits) digits.
    const int keep = std::min(precision, exponent + digits);
    std::string kept;
    if (keep < 0 || mantissa.empty()) {
        kept.clear();
    } else {
        const auto k = static_cast<std::size_t>(keep);
        kept = mantissa.substr(0, std::min(k, mantissa.size()));
        if (k < mantissa.size() && mantissa[k] >= '5') {
            int i = static_cast<int>(kept.size()) - 1;
            while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
                kept[static_cast<std::size_t>(i--)] = '0';
            if (i >= 0) {
                ++kept[static_cast<std::size_t>(i)];
            } else {
                kept.insert(kept.begin(), '1');
                ++exponent;
            }
        }
    }
    while (!kept.empty() && kept.back() == '0') kept.pop_back();
    if (kept.empty()) exponent = 0;

    std::string out;
    if (negative && !kept.empty()) out.push_back('-');
    if (exponent > precision) {
        // General exponent form: d[.ddd]E[-]x, no plus sign.
        out.push_back(kept[0]);
        if (kept.size() > 1) {
            out.push_back('.');
            out.append(kept, 1, std::string::npos);
        }
        out.push_back('E');
        const int e = exponent - 1;
        if (e < 0) out.push_back('-');
        AppendUnsigned(out, static_cast<std::uint64_t>(e < 0 ? -e : e));
        return out;
    }
    auto digitAt = [&](int i) -> char {  // digit i of 0.kept (0-based), zero-padded
        return (i >= 0 && i < static_cast<int>(kept.size())) ? kept[static_cast<std::size_t>(i)]
                                                             : '0';
    };
    if (exponent <= 0) {
        out.push_back('0');
    } else {
        for (int i = 0; i < exponent; ++i) out.push_back(digitAt(i));
    }
    if (digits > 0) {
        out.push_back('.');
        for (int i = 0; i < digits; ++i) out.push_back(digitAt(exponent + i));
    }
    return out;
}
}  // namespace detail

std::string FormatFloatFixed(long double value, int precision, int digits) {
    // Fast path for the usual amounts: scale to whole units of the last decimal and round half
    // up, unless the fraction lies so close to one half that the 18-digit rounding of the slow
    // path could decide otherwise.
    static constexpr long double kPow10[] = {1.0L, 10.0L, 100.0L, 1000.0L, 10000.0L};
    static constexpr long double kLimit[] = {1e0L, 1e1L, 1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,
                                             1e8L, 1e9L, 1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L};
    if (digits >= 0 && digits <= 4 && precision >= 1 && precision <= 15) {
        const long double magnitude = std::fabs(value);
        const long double x = magnitude * kPow10[digits];
        const long double limit = kLimit[precision];
        if (x < limit) {
            const long double whole = std::floor(x);
            const long double fraction = x - whole;
            const long double window = x * 1e-17L + 1e-30L;
            if (std::fabs(fraction - 0.5L) > window) {
                auto units = static_cast<std::uint64_t>(whole);
                if (fraction > 0.5L) ++units;
                if (static_cast<long double>(units) < limit) {
                    std::string out;
                    out.reserve(24);
                    if (std::signbit(value) && units != 0) out.push_back('-');
                    std::uint64_t scale = 1;
                    for (int i = 0; i < digits; ++i) scale *= 10;
                    AppendUnsigned(out, units / scale);
                    if (digits > 0) {
                        out.push_back('.');
                        std::uint64_t rest = units % scale;
                        char frac[8];
                        for (int i = digits - 1; i >= 0; --i) {
                            frac[i] = static_cast<char>('0' + rest % 10);
                            rest /= 10;
                        }
                        out.append(frac, static_cast<std::size_t>(digits));
                    }
                    return out;
                }
            }
        }
    }
    return detail::FormatFloatFixedByDigits(value, precision, digits);
}

std::string FormatAmount4(long double value) {
    const long double scaled = std::nearbyint(value * 10000.0L);
    if (std::fabs(scaled) < 9.0e18L) {
        const auto units = static_cast<std::int64_t>(scaled);
        std::string out;
        const std::uint64_t magnitude =
            units < 0 ? static_cast<std::uint64_t>(-units) : static_cast<std::uint64_t>(units);
        if (units < 0) out.push_back('-');
        AppendUnsigned(out, magnitude / 10000);
        std::uint64_t fraction = magnitude % 10000;
        if (fraction != 0) {
            char buffer[5] = {};
            for (int i = 3; i >= 0; --i) {
                buffer[i] = static_cast<char>('0' + fraction % 10);
                fraction /= 10;
            }
            int length = 4;
            while (length > 0 && buffer[length - 1] == '0') --length;
            out.push_back('.');
            out.append(buffer, static_cast<std::size_t>(length));
        }
        return out;
    }
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.4Lf", value);
    std::string out = buffer;
    if (out.find('.') != std::string::npos) {
        while (!out.empty() && out.back() == '0') out.pop_back();
        if (!out.empty() && out.back() == '.') out.pop_back();
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// The store.

FieldStore::FieldStore() : slots_(static_cast<std::size_t>(kFieldCount)) {}

void FieldStore::ClearSlot(Slot& slot) {
    switch (slot.kind) {
        case fkEmpty:
        case fkInteger:
        case fkDollars:
        case fkCents:
            slot.payload.fill(0);
            break;
        case fkShortText:
            slot.payload[0] = 0;
            break;
        case fkCheck:
            slot.payload[0] = 0;
            break;
        case fkLongText:
        case fkTextList:
            slot.kind = fkEmpty;
            slot.payload.fill(0);
            break;
        case fkWorksheetList:
            if (slot.worksheets)
                for (WorksheetEntry& entry : *slot.worksheets) ClearSlot(entry.slot);
            slot.kind = fkEmpty;
            slot.payload.fill(0);
            break;
        default:  // an unknown kind read from a file
            slot.kind = fkEmpty;
            slot.payload.fill(0);
            break;
    }
    // Whatever kind remains, no text, list or worksheet list is held any more.
    slot.longText.reset();
    slot.list.reset();
    slot.worksheets.reset();
}

FieldKind FieldStore::GetFieldKind(int field) const {
    if (!IsFieldNumber(field)) return fkEmpty;
    return SlotOf(field).kind;
}

void FieldStore::SetFieldKind(int field, FieldKind kind) {
    if (!IsFieldNumber(field)) return;
    Slot& slot = SlotOf(field);
    if (slot.kind == fkLongText) slot.longText.reset();
    if (slot.kind == fkTextList) slot.list.reset();
    // A worksheet list is not released: it stays with the slot.
    slot.kind = kind;
}

long double FieldStore::GetFieldVal(int field, bool roundTiny) const {
    if (!IsFieldNumber(field)) return 0.0L;
    const Slot& slot = SlotOf(field);
    if (!IsNumberKind(slot.kind)) return 0.0L;
    const long double value = DecodeExt80(slot.payload.data());
    if (roundTiny && value > 0.0L && value < 0.005L) return 0.0L;
    return value;
}

std::int32_t FieldStore::GetFieldInt(int field) const {
    const long double rounded = std::nearbyint(GetFieldVal(field));
    if (!(rounded >= static_cast<long double>(std::numeric_limits<std::int32_t>::min()) &&
          rounded <= static_cast<long double>(std::numeric_limits<std::int32_t>::max())))
        throw ERangeError("Range check error");
    return static_cast<std::int32_t>(rounded);
}

void FieldStore::SetFieldVal(int field, long double value) {
    if (!IsFieldNumber(field)) return;
    Slot& slot = SlotOf(field);
    if (slot.kind == fkEmpty) slot.kind = fkDollars;
    if (!IsNumberKind(slot.kind)) return;
    const Ext80Bytes image = EncodeExt80(value);
    if (image == slot.payload) return;  // the same number (the usual case when a screen is left)
    if (DecodeExt80(slot.payload.data()) != value) modified_ = true;  // not merely -0 for 0
    slot.payload = image;
}

std::string FieldStore::GetFieldStr(int field) const {
    if (!IsFieldNumber(field)) return {};
    return std::string(SlotText(SlotOf(field)));
}

void FieldStore::SetFieldStr(int field, std::string_view text) {
    if (!IsFieldNumber(field)) return;
    Slot& slot = SlotOf(field);
    if (text != SlotText(slot)) modified_ = true;
    if (slot.kind == fkEmpty) slot.kind = fkShortText;
    if (slot.kind != fkLongText && slot.kind != fkShortText) return;
    if (text.size() > kMaxText) text = text.substr(0, kMaxText);
    if (text.size() <= kInlineMax) {
        char characters[kInlineMax];  // first, in case `text` views this slot's own text
        std::memcpy(characters, text.data(), text.size());
        slot.longText.reset();
        slot.kind = fkShortText;
        slot.payload.fill(0);
        slot.payload[0] = static_cast<std::uint8_t>(text.size());
        std::memcpy(slot.payload.data() + 1, characters, text.size());
    } else {
        // Reuses a held text's storage: the old text is gone either way.
        if (slot.longText)
            slot.longText->assign(text);
        else
            slot.longText = std::make_unique<std::string>(text);
        slot.kind = fkLongText;
        slot.payload.fill(0);
    }
}

bool FieldStore::FieldChecked(int field) const {
    if (!IsFieldNumber(field)) return false;
    const Slot& slot = SlotOf(field);
    return slot.kind == fkCheck && slot.payload[0] != 0;
}

void FieldStore::SetFieldChecked(int field) {
    if (!IsFieldNumber(field)) return;
    Slot& slot = SlotOf(field);
    if (slot.kind == fkEmpty) slot.kind = fkCheck;
    if (slot.kind != fkCheck) return;
    if (slot.payload[0] != 1) {
        if (slot.payload[0] == 0) modified_ = true;
        slot.payload[0] = 1;
    }
    if (const int partner = CheckPartner(field); partner != 0) SetFieldUnchecked(partner);
}

void FieldStore::SetFieldUnchecked(int field) {
    if (!IsFieldNumber(field)) return;
    Slot& slot = SlotOf(field);
    if (slot.kind == fkEmpty) slot.kind = fkCheck;
    if (slot.kind != fkCheck) return;
    if (slot.payload[0] != 0) modified_ = true;
    slot.payload[0] = 0;
}

TextList* FieldStore::GetFieldLst(int field) {
    if (!IsFieldNumber(field)) return nullptr;
    Slot& slot = SlotOf(field);
    if (slot.kind != fkEmpty && slot.kind != fkTextList) return nullptr;
    return slot.list.get();
}

const TextList* FieldStore::GetFieldLst(int field) const {
    if (!IsFieldNumber(field)) return nullptr;
    const Slot& slot = SlotOf(field);
    if (slot.kind != fkEmpty && slot.kind != fkTextList) return nullptr;
    return slot.list.get();
}

void FieldStore::SetFieldLst(int field, TextList list) {
    if (!IsFieldNumber(field)) return;
    Slot& slot = SlotOf(field);
    if (slot.kind == fkEmpty) slot.kind = fkTextList;
    if (slot.kind != fkTextList) return;
    // Keeps the held list object (pointers from GetFieldLst stay valid) and replaces its lines.
    if (slot.list)
        *slot.list = std::move(list);
    else
        slot.list = std::make_unique<TextList>(std::move(list));
}

std::string FieldStore::GetFieldText(int field) const {
    if (!IsFieldNumber(field)) return {};
    const Slot& slot = SlotOf(field);
    switch (slot.kind) {
        case fkInteger:
        case fkDollars:
        case fkCents: {
            const long double value = DecodeExt80(slot.payload.data());
            if (std::fabs(value) < 0.001L) return {};
            if (slot.kind == fkInteger) {
                const std::int32_t n = GetFieldInt(field);
                std::string out;
                if (n < 0) out.push_back('-');
                AppendUnsigned(out, n < 0 ? 0u - static_cast<std::uint32_t>(n)
                                          : static_cast<std::uint32_t>(n));
                return out;
            }
            if (slot.kind == fkDollars) return FormatFloatFixed(value, 8, 0);
            return FormatFloatFixed(value, 12, 2);
        }
        case fkLongText:
        case fkShortText:
            return std::string(SlotText(slot));
        case fkCheck:
            return slot.payload[0] != 0 ? std::string("X") : std::string();
        case fkTextList: {
            std::string out;
            if (slot.list) {
                std::size_t size = 0;
                for (const std::string& line : *slot.list) size += line.size() + 2;
                out.reserve(size);
                for (const std::string& line : *slot.list) {
                    out += line;
                    out += "\r\n";
                }
            }
            return out;
        }
        default:
            return {};
    }
}

bool FieldStore::FieldIsEmpty(int field) const {
    if (!IsFieldNumber(field)) return true;
    const Slot& slot = SlotOf(field);
    switch (slot.kind) {
        case fkInteger:
        case fkDollars:
        case fkCents:
            return std::fabs(DecodeExt80(slot.payload.data())) < 0.001L;
        case fkLongText:
        case fkShortText: {
            const std::string_view text = SlotText(slot);
            return std::all_of(text.begin(), text.end(), IsBlankOrControl);
        }
        case fkCheck:
            return slot.payload[0] == 0;
        case fkTextList:
            return !slot.list || slot.list->empty();
        case fkWorksheetList:
            return !slot.worksheets || slot.worksheets->empty();
        default:
            return true;
    }
}

void FieldStore::ResetPerWorksheetFields() {
    ForEachPerWorksheetField([this](int field) { ResetSlot(SlotOf(field)); });
}

void FieldStore::ClearAllFields() {
    ResetPerWorksheetFields();
    for (Slot& slot : slots_) ClearSlot(slot);
}

// ---------------------------------------------------------------------------------------------
// Worksheets.

WorksheetList* FieldStore::GetWorksheetList(int n) {
    const int field = n + kWorksheetListField;
    if (!IsFieldNumber(field)) return nullptr;
    Slot& slot = SlotOf(field);
    return slot.kind == fkWorksheetList ? slot.worksheets.get() : nullptr;
}

const WorksheetList* FieldStore::GetWorksheetList(int n) const {
    const int field = n + kWorksheetListField;
    if (!IsFieldNumber(field)) return nullptr;
    const Slot& slot = SlotOf(field);
    return slot.kind == fkWorksheetList ? slot.worksheets.get() : nullptr;
}

bool FieldStore::WorksheetListHasEntries(int n) const {
    const WorksheetList* list = GetWorksheetList(n);
    return list && !list->empty();
}

void FieldStore::OpenWorksheetList(int n) {
    const int field = n + kWorksheetListField;
    if (!IsFieldNumber(field)) return;
    if (GetWorksheetList(n)) return;
    SetFieldKind(field, fkWorksheetList);
    Slot& slot = SlotOf(field);
    if (!slot.worksheets) slot.worksheets = std::make_unique<WorksheetList>();
}

void FieldStore::LoadWorksheet(int n, int k) {
    currentList_ = n;
    ResetPerWorksheetFields();
    OpenWorksheetList(n);
    const WorksheetList* list = GetWorksheetList(n);
    if (!list) return;
    const int listField = n + kWorksheetListField;
    for (const WorksheetEntry& entry : *list) {
        if (static_cast<int>(entry.worksheet) != k) continue;
        // An entry for the list's own field would replace the list being read: skipped.
        if (!IsFieldNumber(entry.field) || entry.field == listField) continue;
        SlotOf(entry.field) = entry.slot;
    }
}

void FieldStore::StoreWorksheet(int n, int k) {
    if (k < 0 || k > 65535) throw ERangeError("Range check error");
    currentList_ = n;
    currentWorksheet_ = k;
    if (WorksheetList* list = GetWorksheetList(n)) {
        // Where the old block of worksheet k stands.
        const auto number = static_cast<std::uint16_t>(k);
        std::size_t first = list->size();
        std::size_t last = 0;
        std::size_t count = 0;
        for (std::size_t i = 0; i < list->size(); ++i) {
            if ((*list)[i].worksheet != number) continue;
            if (count++ == 0) first = i;
            last = i;
        }

        if (DisplayIsEmpty(SlotOf(710))) {
            std::string name("Worksheet No ");
            name.append(std::to_string(k));
            SetFieldStr(710, name);
        }

        // The new block in descending field order (each entry goes in front of the one inserted
        // before it). The slots are moved, not copied: the fields are reset just below anyway.
        std::vector<WorksheetEntry> block;
        block.reserve(142);
        const int listField = n + kWorksheetListField;
        auto take = [&](int field) {
            Slot& slot = SlotOf(field);
            if (field == listField || DisplayIsEmpty(slot)) return;
            block.push_back(WorksheetEntry{number, field, std::move(slot)});
        };
        for (int field = 1200; field >= 1100; --field) take(field);
        for (int field = 750; field >= 710; --field) take(field);

        const auto at = [&](std::size_t i) {
            return list->begin() + static_cast<std::ptrdiff_t>(i);
        };
        const auto from = [&](std::size_t i) {
            return std::make_move_iterator(block.begin() + static_cast<std::ptrdiff_t>(i));
        };
        if (count == 0) {
            list->insert(list->end(), from(0), from(block.size()));
        } else if (last - first + 1 == count) {
            // One contiguous block (the usual case): overwrite it, shifting the rest at most once.
            const std::size_t common = std::min(count, block.size());
            std::move(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(common),
                      at(first));
            if (block.size() < count)
                list->erase(at(first + common), at(first + count));
            else
                list->insert(at(first + common), from(common), from(block.size()));
        } else {
            // Scattered entries: remove them all; the new block goes where the first one stood.
            list->erase(
                std::remove_if(at(first), list->end(),
                               [&](const WorksheetEntry& e) { return e.worksheet == number; }),
                list->end());
            list->insert(at(first), from(0), from(block.size()));
        }
    }
    currentList_ = 0;
    currentWorksheet_ = 0;
    ResetPerWorksheetFields();
}

WorksheetValue EntryValue(const Slot& slot) {
    switch (slot.kind) {
        case fkDollars:
        case fkCents:
            return DecodeExt80(slot.payload.data());
        case fkLongText:
            if (!slot.longText) return {};
            return *slot.longText;
        case fkShortText:
            return std::string(SlotText(slot));
        case fkCheck:
            return slot.payload[0] != 0;
        default:
            return {};
    }
}

WorksheetValue FieldStore::GetWorksheetValue(int n, int w, int field) const {
    const WorksheetList* list = GetWorksheetList(n);
    if (!list) return {};
    const long number = static_cast<long>(w) + 1;
    for (auto it = list->rbegin(); it != list->rend(); ++it)  // the last match counts
        if (it->field == field && static_cast<long>(it->worksheet) == number)
            return EntryValue(it->slot);
    return {};
}

TextList FieldStore::GetWorksheetColumn(int n, int field) const {
    TextList lines;
    const WorksheetList* list = GetWorksheetList(n);
    if (!list) return lines;
    for (const WorksheetEntry& entry : *list) {
        if (entry.field != field) continue;
        const Slot& slot = entry.slot;
        switch (slot.kind) {
            case fkDollars:
            case fkCents:
                lines.push_back(FormatAmount4(DecodeExt80(slot.payload.data())));
                break;
            case fkLongText:
                if (slot.longText) lines.push_back(*slot.longText);
                break;
            case fkShortText:
                lines.emplace_back(SlotText(slot));
                break;
            case fkCheck:
                lines.emplace_back(slot.payload[0] != 0 ? "True" : "False");
                break;
            default:
                break;
        }
    }
    return lines;
}

int FieldStore::HighestWorksheetNumber(int n) const {
    const WorksheetList* list = GetWorksheetList(n);
    int highest = 0;
    if (list)
        for (const WorksheetEntry& entry : *list) highest = std::max<int>(highest, entry.worksheet);
    return highest;
}

void FieldStore::GetWorksheetLines(int n, int w, int field, TextList& lines) const {
    lines.clear();
    const WorksheetList* list = GetWorksheetList(n);
    if (!list) return;
    const long number = static_cast<long>(w) + 1;
    for (const WorksheetEntry& entry : *list) {
        if (entry.slot.kind != fkTextList || entry.field != field ||
            static_cast<long>(entry.worksheet) != number)
            continue;
        if (entry.slot.list)
            lines.insert(lines.end(), entry.slot.list->begin(), entry.slot.list->end());
        return;
    }
}

void FieldStore::SetWorksheetLines(int n, int w, int field, const TextList& lines) {
    WorksheetList* list = GetWorksheetList(n);
    if (!list) return;
    const long number = static_cast<long>(w) + 1;
    for (WorksheetEntry& entry : *list) {
        if (entry.slot.kind != fkTextList || entry.field != field ||
            static_cast<long>(entry.worksheet) != number)
            continue;
        if (&lines == entry.slot.list.get()) return;
        if (entry.slot.list)
            *entry.slot.list = lines;
        else
            entry.slot.list = std::make_unique<TextList>(lines);
        return;
    }
}

}  // namespace ftb::data
