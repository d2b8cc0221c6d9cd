#pragma once
// The column specifications of the data grid: one text line per column, fields separated by "|",
// that give the column's title, kind of value, entry length, allowed characters, numeric range,
// pick list and flags, for example
//   "Agreed percentage|2|1|3|0|F|F|0|F|0|100||-1|0|F|"
// Field by position: 0 title (CR starts a title line), 1 title alignment, 2 type, 3 max length,
// 4 hint index, 5 Calculated, 6 Button, 7 CharCase (text) or Decimals (numeric), 8 valid
// characters (text) or Negatives (numeric), 9 Min, 10 Max, 11 dropdown rows, 12 button style,
// 13 item count N, 14..13+N the items, 14+N No Total, 15+N Read-Only.
#include <string>
#include <string_view>

#include "controls/core/IdChecks.h"
#include "data/FieldStore.h"

namespace ftb::controls {

enum TColumnType { ctText = 0, ctNumeric = 1, ctDate = 2, ctABN = 3, ctTFN = 4 };
enum TTitleAlignment { tlLeft = 0, tlRight = 1, tlCentre = 2 };
enum TCharCase { ccNormal = 0, ccUpper = 1, ccLower = 2 };
enum TButtonStyle { bsNone = 0, bsPicklist = 1, bsEllipsis = 2 };

// The specification of a column for which the grid has no line.
inline constexpr std::string_view kDefaultColumnSpec = "Title|0|0|30|0|F|F|||||||0|0|F|F|";
inline constexpr int kMaxColumnLength = 255;
inline constexpr char kDecimalSeparator = '.';
inline constexpr char kDateSeparator = '/';

struct TColumnSpec {
    std::string title;
    TTitleAlignment titleAlignment = tlLeft;  // any number but 1 and 2 reads as left
    TColumnType type = ctText;                // any number but 1..4 reads as text
    int maxLength = 0;                        // 0..255; a date column's is at least 10
    int hintIndex = 0;
    bool calculated = false;  // not a tab stop, skipped when moving, never typed into
    bool button = false;
    TCharCase charCase = ccNormal;   // text columns
    int decimals = 0;                // numeric columns, 0..255
    std::string validChars;          // text columns: the notation as written
    bool negatives = false;          // numeric columns
    int minValue = 0, maxValue = 0;  // numeric range; none when they are equal
    int dropdownRows = 0;
    TButtonStyle buttonStyle = bsNone;
    data::TextList items;
    bool noTotal = false;
    bool readOnly = false;

    // What typing into the column may add; empty means any character.
    CharSet allowed;

    bool IsPicklistColumn() const { return button && buttonStyle == bsPicklist; }
    bool IsEllipsisColumn() const { return button && buttonStyle == bsEllipsis; }
    // A pick list whose items the cell must match.
    bool ChecksPicklist() const { return buttonStyle == bsPicklist && !items.empty(); }
    bool HasRange() const { return minValue != maxValue; }
};

// Reads one specification. Numbers are decimal integers, 0 when empty or unreadable; a flag is
// on only when its field is exactly "T"; missing fields read as empty. A max length outside
// 0..255 (read as 255) or a bad valid-characters element leaves every later field at its default
// (no pick list, flags off). The item count is cut to the fields the line holds.
TColumnSpec ParseColumnSpec(std::string_view line);

}  // namespace ftb::controls
