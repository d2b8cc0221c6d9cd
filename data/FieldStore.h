#pragma once
// The field store: every answer of the run in 1999 slots addressed by field number 1..1999, and
// the worksheet lists that hold repeated records (spouses, dependants). Texts are Windows-1252.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ftb::data {

enum FieldKind : std::uint8_t {
    fkEmpty = 0,
    fkInteger = 1,
    fkDollars = 2,
    fkCents = 3,
    fkLongText = 4,
    fkShortText = 5,
    fkCheck = 6,
    fkTextList = 7,
    fkWorksheetList = 8,
};

constexpr int kFieldCount = 1999;
// Worksheet list n lives in field n + kWorksheetListField.
constexpr int kWorksheetListField = 751;
constexpr int kSpouseList = 19;
constexpr int kDependantList = 22;
// The value of an entry in which the user typed a zero, as opposed to 0 for an empty one.
constexpr long double kExplicitZero = 0.0011L;

using TextList = std::vector<std::string>;
struct WorksheetEntry;
using WorksheetList = std::vector<WorksheetEntry>;

// One slot. `payload` is the 10-byte payload of the slot layout (80-bit number, inline short
// text, check flag); the text, list or worksheet list of the reference kinds is held beside it.
// Copies are deep: a worksheet entry owns its own text or list.
struct Slot {
    FieldKind kind = fkEmpty;
    std::array<std::uint8_t, 10> payload{};
    std::unique_ptr<std::string> longText;      // kind 4; null when no text is held
    std::unique_ptr<TextList> list;             // kind 7; null when no list is attached
    std::unique_ptr<WorksheetList> worksheets;  // kind 8; null when no list is attached

    Slot();
    ~Slot();
    Slot(const Slot& other);
    Slot& operator=(const Slot& other);
    Slot(Slot&&) noexcept;
    Slot& operator=(Slot&&) noexcept;
};

struct WorksheetEntry {
    std::uint16_t worksheet = 0;  // 1-based worksheet number
    std::int32_t field = 0;
    Slot slot;
};

// What a worksheet query finds: nothing, an amount, a text or a flag.
using WorksheetValue = std::variant<std::monostate, long double, std::string, bool>;

class FieldStore {
public:
    FieldStore();

    static bool IsFieldNumber(int field) { return field >= 1 && field <= kFieldCount; }
    // Fields 710..750 and 1100..1200 hold the worksheet being worked on.
    static bool IsPerWorksheetField(int field) {
        return (field >= 710 && field <= 750) || (field >= 1100 && field <= 1200);
    }

    FieldKind GetFieldKind(int field) const;
    void SetFieldKind(int field, FieldKind kind);

    long double GetFieldVal(int field, bool roundTiny = false) const;
    std::int32_t GetFieldInt(int field) const;  // ERangeError outside 32 bits
    void SetFieldVal(int field, long double value);

    std::string GetFieldStr(int field) const;
    void SetFieldStr(int field, std::string_view text);

    bool FieldChecked(int field) const;
    void SetFieldChecked(int field);
    void SetFieldUnchecked(int field);

    // The list held by a field of kind 0 or 7; null when none is attached or for other kinds.
    TextList* GetFieldLst(int field);
    const TextList* GetFieldLst(int field) const;
    void SetFieldLst(int field, TextList list);

    std::string GetFieldText(int field) const;
    bool FieldIsEmpty(int field) const;

    void ClearAllFields();

    // Worksheets. n is a worksheet list number, k a 1-based worksheet number and w a 0-based
    // worksheet index (worksheet number - 1).
    bool WorksheetListHasEntries(int n) const;
    void OpenWorksheetList(int n);
    WorksheetList* GetWorksheetList(int n);
    const WorksheetList* GetWorksheetList(int n) const;
    void LoadWorksheet(int n, int k);
    void StoreWorksheet(int n, int k);  // ERangeError for k above 65535
    void ResetPerWorksheetFields();

    WorksheetValue GetWorksheetValue(int n, int w, int field) const;
    TextList GetWorksheetColumn(int n, int field) const;
    int HighestWorksheetNumber(int n) const;
    void GetWorksheetLines(int n, int w, int field, TextList& lines) const;
    void SetWorksheetLines(int n, int w, int field, const TextList& lines);

    int CurrentWorksheetList() const { return currentList_; }
    int CurrentWorksheet() const { return currentWorksheet_; }
    void SetCurrentWorksheetList(int n) { currentList_ = n; }
    void SetCurrentWorksheet(int k) { currentWorksheet_ = k; }

    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // Raw slot access for the tax-return file; the field number must be valid.
    Slot& SlotOf(int field) { return slots_[static_cast<std::size_t>(field - 1)]; }
    const Slot& SlotOf(int field) const { return slots_[static_cast<std::size_t>(field - 1)]; }

    // Clears one slot by the rules of its kind (also used for removed worksheet entries).
    static void ClearSlot(Slot& slot);

private:
    std::vector<Slot> slots_;
    int currentList_ = 0;
    int currentWorksheet_ = 0;
    bool modified_ = false;
};

// What a worksheet query finds in one entry's slot: kinds 2 and 3 give the amount, 4 and 5 the
// text (nothing for a long text that holds none), 6 the flag; the other kinds give nothing.
WorksheetValue EntryValue(const Slot& slot);

// The display of an amount in fixed point with `precision` significant digits and `digits` decimals:
// the value is taken to 18 significant digits and rounded, half away from zero, at `precision`
// significant digits or `digits` decimals, whichever comes first; with more integer digits than
// `precision` it is written in the general exponent form ("1.2345679E8", "1E20"), otherwise in
// fixed point with exactly `digits` decimals ("1234.50"). "." is the decimal point; a result that
// rounds to zero has no sign. GetFieldText uses (8, 0) for dollars and (12, 2) for cents.
std::string FormatFloatFixed(long double value, int precision, int digits);

// The amount rounded to 4 decimals (halves to even) in its shortest decimal form: "1234.5",
// "12", "-0.004" (the form of GetWorksheetColumn).
std::string FormatAmount4(long double value);

namespace detail {
// FormatFloatFixed by the decimal digit string alone, without its fast path (for tests).
std::string FormatFloatFixedByDigits(long double value, int precision, int digits);
}  // namespace detail

}  // namespace ftb::data
