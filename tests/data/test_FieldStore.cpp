#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "data/Errors.h"
#include "data/Ext80.h"
#include "data/FieldStore.h"

namespace ftb::data {
namespace {

constexpr int kSpouseField = kSpouseList + kWorksheetListField;  // 770

// prefix + n, spelled out ("literal" + std::to_string trips GCC 12's -Wrestrict at -O3).
std::string Numbered(const char* prefix, long n) {
    std::string text(prefix);
    text.append(std::to_string(n));
    return text;
}

class FieldStoreTest : public ::testing::Test {
protected:
    FieldStore store;
};

// --- Field numbers -------------------------------------------------------------------------

TEST_F(FieldStoreTest, InvalidFieldNumbersAreSilentNoOps) {
    for (int field : {0, 2000, -1, 100000}) {
        SCOPED_TRACE(field);
        store.SetFieldVal(field, 12.5L);
        store.SetFieldStr(field, "some text that is long");
        store.SetFieldChecked(field);
        store.SetFieldUnchecked(field);
        store.SetFieldLst(field, TextList{"a"});
        store.SetFieldKind(field, fkCents);
        EXPECT_EQ(store.GetFieldKind(field), fkEmpty);
        EXPECT_EQ(store.GetFieldVal(field), 0.0L);
        EXPECT_EQ(store.GetFieldVal(field, true), 0.0L);
        EXPECT_EQ(store.GetFieldInt(field), 0);
        EXPECT_EQ(store.GetFieldStr(field), "");
        EXPECT_EQ(store.GetFieldText(field), "");
        EXPECT_FALSE(store.FieldChecked(field));
        EXPECT_EQ(store.GetFieldLst(field), nullptr);
        EXPECT_TRUE(store.FieldIsEmpty(field));
        EXPECT_FALSE(store.Modified());
    }
    // The edges are valid.
    store.SetFieldVal(1, 1.0L);
    store.SetFieldVal(1999, 2.0L);
    EXPECT_EQ(store.GetFieldVal(1), 1.0L);
    EXPECT_EQ(store.GetFieldVal(1999), 2.0L);
}

TEST_F(FieldStoreTest, NewStoreIsEmpty) {
    for (int field = 1; field <= kFieldCount; ++field) {
        ASSERT_EQ(store.GetFieldKind(field), fkEmpty) << field;
        ASSERT_TRUE(store.FieldIsEmpty(field)) << field;
    }
    EXPECT_FALSE(store.Modified());
    EXPECT_EQ(store.CurrentWorksheetList(), 0);
    EXPECT_EQ(store.CurrentWorksheet(), 0);
}

// --- Texts ---------------------------------------------------------------------------------

TEST_F(FieldStoreTest, SetFieldStrChoosesInlineOrHeldTextByLength) {
    struct Case {
        std::size_t length;
        FieldKind kind;
        std::size_t stored;
    } cases[] = {
        {0, fkShortText, 0},    {1, fkShortText, 1},    {9, fkShortText, 9},
        {10, fkLongText, 10},   {11, fkLongText, 11},   {255, fkLongText, 255},
        {256, fkLongText, 255}, {300, fkLongText, 255},
    };
    int field = 100;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        std::string text;
        for (std::size_t i = 0; i < c.length; ++i) text.push_back(static_cast<char>('a' + i % 26));
        store.SetFieldStr(field, text);
        EXPECT_EQ(store.GetFieldKind(field), c.kind);
        EXPECT_EQ(store.GetFieldStr(field), text.substr(0, c.stored));
        EXPECT_EQ(store.GetFieldText(field), text.substr(0, c.stored));
        if (c.kind == fkShortText) {
            EXPECT_EQ(store.SlotOf(field).payload[0], c.length);
            EXPECT_EQ(store.SlotOf(field).longText, nullptr);
        }
        ++field;
    }
}

TEST_F(FieldStoreTest, SetFieldStrSwitchesBetweenShortAndLong) {
    store.SetFieldStr(5, "a long text here");
    EXPECT_EQ(store.GetFieldKind(5), fkLongText);
    store.SetFieldStr(5, "short");
    EXPECT_EQ(store.GetFieldKind(5), fkShortText);
    EXPECT_EQ(store.SlotOf(5).longText, nullptr);  // the held text was released
    EXPECT_EQ(store.GetFieldStr(5), "short");
    store.SetFieldStr(5, "long again, and longer");
    EXPECT_EQ(store.GetFieldKind(5), fkLongText);
    EXPECT_EQ(store.GetFieldStr(5), "long again, and longer");
}

TEST_F(FieldStoreTest, SetFieldStrKeepsWindows1252Bytes) {
    const std::string bullet = "\x95 item \xe9";
    store.SetFieldStr(8, bullet);
    EXPECT_EQ(store.GetFieldStr(8), bullet);
    const std::string embeddedNul("a\0b", 3);
    store.SetFieldStr(9, embeddedNul);
    EXPECT_EQ(store.GetFieldStr(9), embeddedNul);
}

TEST_F(FieldStoreTest, SetFieldStrSetsModifiedOnlyWhenTheTextDiffers) {
    store.SetFieldStr(3, "");  // kind 0 reads "", so nothing differs
    EXPECT_FALSE(store.Modified());
    EXPECT_EQ(store.GetFieldKind(3), fkShortText);
    store.SetFieldStr(3, "abc");
    EXPECT_TRUE(store.Modified());
    store.SetModified(false);
    store.SetFieldStr(3, "abc");
    EXPECT_FALSE(store.Modified());
    store.SetFieldStr(3, "a much longer text");
    EXPECT_TRUE(store.Modified());
    store.SetModified(false);
    store.SetFieldStr(3, "a much longer text");
    EXPECT_FALSE(store.Modified());
}

TEST_F(FieldStoreTest, SetFieldStrOnOtherKindsChangesNothingButMayMarkModified) {
    struct Case {
        const char* name;
        void (*prepare)(FieldStore&, int);
    } cases[] = {
        {"check", [](FieldStore& s, int f) { s.SetFieldChecked(f); }},
        {"dollars", [](FieldStore& s, int f) { s.SetFieldVal(f, 5.0L); }},
        {"text list", [](FieldStore& s, int f) { s.SetFieldLst(f, TextList{"x"}); }},
    };
    int field = 200;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.prepare(store, field);
        const FieldKind kind = store.GetFieldKind(field);
        const std::string text = store.GetFieldText(field);
        store.SetModified(false);
        store.SetFieldStr(field, "");  // GetFieldStr gives "" for these kinds: no change
        EXPECT_FALSE(store.Modified());
        store.SetFieldStr(field, "Yes");
        EXPECT_TRUE(store.Modified());
        EXPECT_EQ(store.GetFieldKind(field), kind);
        EXPECT_EQ(store.GetFieldText(field), text);
        EXPECT_EQ(store.GetFieldStr(field), "");
        ++field;
    }
    EXPECT_TRUE(store.FieldChecked(200));
}

// --- Numbers -------------------------------------------------------------------------------

TEST_F(FieldStoreTest, SetFieldValOnANewFieldGivesDollars) {
    store.SetFieldVal(50, 1234.56L);
    EXPECT_EQ(store.GetFieldKind(50), fkDollars);
    EXPECT_EQ(store.GetFieldVal(50), 1234.56L);
    EXPECT_EQ(store.SlotOf(50).payload, EncodeExt80(1234.56L));
    store.SetFieldVal(51, 7);  // an integer is converted
    EXPECT_EQ(store.GetFieldVal(51), 7.0L);
}

TEST_F(FieldStoreTest, SetFieldValKeepsNumericKindsAndIgnoresOthers) {
    for (FieldKind kind : {fkInteger, fkDollars, fkCents}) {
        store.SetFieldKind(60, kind);
        store.SetFieldVal(60, 3.25L);
        EXPECT_EQ(store.GetFieldKind(60), kind);
        EXPECT_EQ(store.GetFieldVal(60), 3.25L);
    }
    store.SetFieldStr(61, "text");
    store.SetModified(false);
    store.SetFieldVal(61, 9.0L);
    EXPECT_EQ(store.GetFieldKind(61), fkShortText);
    EXPECT_EQ(store.GetFieldVal(61), 0.0L);
    EXPECT_EQ(store.GetFieldStr(61), "text");
    EXPECT_FALSE(store.Modified());
}

TEST_F(FieldStoreTest, SetFieldValSetsModifiedOnlyWhenTheNumberDiffers) {
    store.SetFieldVal(70, 0.0L);  // kind 0 reads 0: becomes dollars, nothing changed
    EXPECT_EQ(store.GetFieldKind(70), fkDollars);
    EXPECT_FALSE(store.Modified());
    store.SetFieldVal(70, 10.0L);
    EXPECT_TRUE(store.Modified());
    store.SetModified(false);
    store.SetFieldVal(70, 10.0L);
    EXPECT_FALSE(store.Modified());
    store.SetFieldVal(70, kExplicitZero);
    EXPECT_TRUE(store.Modified());
    // -0 is the same number as 0: stored, but nothing changed.
    store.SetFieldVal(71, 0.0L);
    store.SetModified(false);
    store.SetFieldVal(71, -0.0L);
    EXPECT_FALSE(store.Modified());
    EXPECT_EQ(store.SlotOf(71).payload, EncodeExt80(-0.0L));
}

TEST_F(FieldStoreTest, GetFieldValRoundTiny) {
    struct Case {
        long double value;
        long double plain;
        long double tiny;
    } cases[] = {
        {0.004L, 0.004L, 0.0L},   {-0.004L, -0.004L, -0.004L}, {kExplicitZero, kExplicitZero, 0.0L},
        {0.0049L, 0.0049L, 0.0L}, {0.005L, 0.005L, 0.005L},    {1.0L, 1.0L, 1.0L},
        {0.0L, 0.0L, 0.0L},
    };
    for (const auto& c : cases) {
        store.SetFieldVal(80, c.value);
        EXPECT_EQ(store.GetFieldVal(80), c.plain) << static_cast<double>(c.value);
        EXPECT_EQ(store.GetFieldVal(80, true), c.tiny) << static_cast<double>(c.value);
    }
    EXPECT_EQ(store.GetFieldVal(81, true), 0.0L);  // kind 0
}

TEST_F(FieldStoreTest, GetFieldIntRoundsHalvesToEven) {
    struct Case {
        long double value;
        std::int32_t expected;
    } cases[] = {
        {2.5L, 2},
        {3.5L, 4},
        {-2.5L, -2},
        {-3.5L, -4},
        {2.4999L, 2},
        {2.5001L, 3},
        {0.0L, 0},
        {1234.56L, 1235},
        {2147483647.0L, 2147483647},
        {2147483647.4L, 2147483647},
        {-2147483648.0L, -2147483647 - 1},
        {-2147483648.5L, -2147483647 - 1} /* to even */,
    };
    for (const auto& c : cases) {
        store.SetFieldVal(90, c.value);
        EXPECT_EQ(store.GetFieldInt(90), c.expected) << static_cast<double>(c.value);
    }
}

TEST_F(FieldStoreTest, GetFieldIntOutside32BitsIsARangeError) {
    for (long double v : {2147483647.5L, 2147483648.0L, -2147483648.6L, -2147483649.0L, 1e30L,
                          std::numeric_limits<long double>::infinity(),
                          std::numeric_limits<long double>::quiet_NaN()}) {
        store.SetFieldVal(91, v);
        EXPECT_THROW(store.GetFieldInt(91), ERangeError) << static_cast<double>(v);
    }
    store.SetFieldStr(92, "12");
    EXPECT_EQ(store.GetFieldInt(92), 0);  // not a numeric kind
}

TEST_F(FieldStoreTest, GetFieldTextOfAmounts) {
    struct Case {
        FieldKind kind;
        long double value;
        const char* text;
    } cases[] = {
        // The examples of the Part.
        {fkDollars, 1234.56L, "1235"},
        {fkCents, 1234.56L, "1234.56"},
        {fkInteger, 0.0005L, ""},
        {fkDollars, 0.0005L, ""},
        {fkCents, 0.0005L, ""},
        {fkCents, -0.0009L, ""},
        // The explicit zero is shown as 0.
        {fkInteger, kExplicitZero, "0"},
        {fkDollars, kExplicitZero, "0"},
        {fkCents, kExplicitZero, "0.00"},
        {fkDollars, 0.001L, "0"},
        // Integers: halves to even.
        {fkInteger, 2.5L, "2"},
        {fkInteger, 3.5L, "4"},
        {fkInteger, -17.0L, "-17"},
        // Fixed point rounds half away from zero on the decimal digits.
        {fkDollars, 0.5L, "1"},
        {fkDollars, 2.5L, "3"},
        {fkDollars, -2.5L, "-3"},
        {fkDollars, 0.4L, "0"},
        {fkDollars, -0.4L, "0"},
        {fkCents, 0.005L, "0.01"},
        {fkCents, 0.004L, "0.00"},
        {fkCents, -0.004L, "0.00"},
        {fkCents, 1234.565L, "1234.57"},
        {fkCents, 1.005L, "1.01"},
        {fkCents, 2.675L, "2.68"},
        {fkCents, -1234.56L, "-1234.56"},
        {fkCents, 10.0L, "10.00"},
        {fkCents, 0.1L, "0.10"},
        {fkDollars, 99999999.4L, "99999999"},
        {fkDollars, 12345678.0L, "12345678"},
        // Beyond the significant digits: exponent form, rounded to the significant digits.
        {fkDollars, 99999999.5L, "1E8"},
        {fkDollars, 123456789.0L, "1.2345679E8"},
        {fkDollars, -123456789.0L, "-1.2345679E8"},
        {fkDollars, 1e20L, "1E20"},
        {fkCents, 1234567890.12L, "1234567890.12"},
        {fkCents, 9999999999.994L, "9999999999.99"},
        {fkCents, 9999999999.995L, "10000000000.00"},
        {fkCents, 12345678901.26L, "12345678901.30"},
        {fkCents, 123456789012.4L, "123456789012.00"},
        {fkCents, 999999999999.5L, "1E12"},
        {fkCents, 1234567890123.0L, "1.23456789012E12"},
    };
    for (const auto& c : cases) {
        store.SetFieldKind(300, c.kind);
        store.SetFieldVal(300, c.value);
        EXPECT_EQ(store.GetFieldText(300), c.text)
            << "kind " << int(c.kind) << " value " << static_cast<double>(c.value);
    }
}

TEST(FormatFloatFixed, FastPathAgreesWithTheDigitString) {
    std::mt19937_64 random(2002);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-4, 16);
    const int formats[][2] = {{8, 0}, {12, 2}, {15, 4}, {10, 1}};
    auto check = [&](long double v) {
        for (const auto& f : formats)
            ASSERT_EQ(FormatFloatFixed(v, f[0], f[1]),
                      detail::FormatFloatFixedByDigits(v, f[0], f[1]))
                << static_cast<double>(v) << " " << f[0] << "," << f[1];
    };
    for (int i = 0; i < 30000; ++i)
        check(static_cast<long double>(mantissa(random)) * std::pow(10.0L, exponent(random)));
    // Halves and near-halves at every scale: cents typed as text, and their neighbours.
    for (long long units = 0; units < 200000; units += 97) {
        for (long double scale : {1.0L, 100.0L, 10000.0L}) {
            const long double half = (static_cast<long double>(units) + 0.5L) / scale;
            check(half);
            check(-half);
            check(std::nextafter(half, 0.0L));
            check(std::nextafter(half, 1e30L));
            check(static_cast<long double>(units) / scale + 0.005L);
        }
    }
}

TEST(FormatFloatFixed, ClassicLayouts) {
    struct Case {
        long double value;
        int precision;
        int digits;
        const char* text;
    } cases[] = {
        {1234.5L, 15, 2, "1234.50"},
        {1234.5L, 4, 2, "1235.00"},
        {1234.5L, 3, 2, "1.23E3"},
        {0.000123L, 15, 2, "0.00"},
        {0.000123L, 15, 6, "0.000123"},
        {-1.5L, 8, 0, "-2"},
        {1e-20L, 8, 0, "0"},
        {0.0L, 8, 0, "0"},
        {0.0L, 12, 2, "0.00"},
        {-0.0L, 12, 2, "0.00"},
        {1e20L, 8, 0, "1E20"},
        {1.5e20L, 8, 0, "1.5E20"},
        {std::numeric_limits<long double>::infinity(), 8, 0, "INF"},
        {-std::numeric_limits<long double>::infinity(), 8, 0, "-INF"},
        {std::numeric_limits<long double>::quiet_NaN(), 8, 0, "NAN"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFloatFixed(c.value, c.precision, c.digits), c.text)
            << static_cast<double>(c.value) << " " << c.precision << "," << c.digits;
        EXPECT_EQ(detail::FormatFloatFixedByDigits(c.value, c.precision, c.digits), c.text);
    }
}

TEST_F(FieldStoreTest, GetFieldTextOfAHugeIntegerIsARangeError) {
    store.SetFieldKind(301, fkInteger);
    store.SetFieldVal(301, 5e9L);
    EXPECT_THROW(store.GetFieldText(301), ERangeError);
}

TEST_F(FieldStoreTest, GetFieldTextOfOtherKinds) {
    store.SetFieldChecked(400);
    store.SetFieldUnchecked(401);
    store.SetFieldLst(402, TextList{"first", "", "third"});
    store.SetFieldLst(403, TextList{});
    store.SetFieldKind(404, fkTextList);  // no list attached
    store.OpenWorksheetList(405 - kWorksheetListField);
    EXPECT_EQ(store.GetFieldText(400), "X");
    EXPECT_EQ(store.GetFieldText(401), "");
    EXPECT_EQ(store.GetFieldText(402), "first\r\n\r\nthird\r\n");
    EXPECT_EQ(store.GetFieldText(403), "");
    EXPECT_EQ(store.GetFieldText(404), "");
    EXPECT_EQ(store.GetFieldText(405), "");
    EXPECT_EQ(store.GetFieldText(406), "");  // kind 0
}

// --- Checks --------------------------------------------------------------------------------

TEST_F(FieldStoreTest, CheckPairsClearTheirPartner) {
    const std::pair<int, int> pairs[] = {{9, 10},    {17, 18},   {19, 20},   {33, 34},
                                         {132, 133}, {134, 135}, {136, 137}, {138, 139},
                                         {140, 141}, {142, 143}};
    for (auto [a, b] : pairs) {
        SCOPED_TRACE(Numbered("", a).append("/").append(std::to_string(b)));
        store.SetFieldChecked(a);
        store.SetFieldChecked(b);
        EXPECT_FALSE(store.FieldChecked(a));
        EXPECT_TRUE(store.FieldChecked(b));
        store.SetFieldChecked(a);
        EXPECT_TRUE(store.FieldChecked(a));
        EXPECT_FALSE(store.FieldChecked(b));
    }
}

TEST_F(FieldStoreTest, FieldsOutsideThePairsHaveNoPartner) {
    // Neighbours that look like pairs but are not: (21,22), (11,12), (131,132), (143,144), (35,36),
    // (10,11), (16,17), (20,21), (34,35).
    const std::pair<int, int> neighbours[] = {{21, 22}, {11, 12},  {131, 132}, {144, 145},
                                              {35, 36}, {10, 11},  {16, 17},   {20, 21},
                                              {34, 35}, {143, 144}};
    for (auto [a, b] : neighbours) {
        SCOPED_TRACE(Numbered("", a).append("/").append(std::to_string(b)));
        FieldStore s;
        s.SetFieldChecked(a);
        s.SetFieldChecked(b);
        EXPECT_TRUE(s.FieldChecked(a));
        EXPECT_TRUE(s.FieldChecked(b));
    }
}

TEST_F(FieldStoreTest, Check133Clears132AndCheck21Leaves22) {
    store.SetFieldChecked(132);
    store.SetFieldChecked(133);
    EXPECT_FALSE(store.FieldChecked(132));
    store.SetFieldChecked(22);
    store.SetFieldChecked(21);
    EXPECT_TRUE(store.FieldChecked(22));
}

TEST_F(FieldStoreTest, CheckModifiedFlag) {
    store.SetFieldUnchecked(9);  // kind 0 becomes a check; it was not set
    EXPECT_EQ(store.GetFieldKind(9), fkCheck);
    EXPECT_FALSE(store.Modified());
    store.SetFieldChecked(9);
    EXPECT_TRUE(store.Modified());
    store.SetModified(false);
    store.SetFieldChecked(9);  // already checked, partner already clear
    EXPECT_FALSE(store.Modified());
    store.SetFieldChecked(10);  // both flags change
    EXPECT_TRUE(store.Modified());
    store.SetModified(false);
    store.SetFieldUnchecked(9);  // already clear
    EXPECT_FALSE(store.Modified());
    store.SetFieldUnchecked(10);
    EXPECT_TRUE(store.Modified());
    EXPECT_FALSE(store.FieldChecked(10));

    // Partner already clear, own flag changes: modified. No partner: modified when it changes.
    store.SetModified(false);
    store.SetFieldChecked(17);
    EXPECT_TRUE(store.Modified());
    store.SetModified(false);
    store.SetFieldChecked(21);
    EXPECT_TRUE(store.Modified());
    store.SetModified(false);
    store.SetFieldChecked(21);
    EXPECT_FALSE(store.Modified());
}

TEST_F(FieldStoreTest, ChecksOnOtherKindsChangeNothing) {
    store.SetFieldStr(9, "text");
    store.SetModified(false);
    store.SetFieldChecked(9);
    store.SetFieldUnchecked(9);
    EXPECT_EQ(store.GetFieldKind(9), fkShortText);
    EXPECT_FALSE(store.FieldChecked(9));
    EXPECT_FALSE(store.Modified());
    EXPECT_EQ(store.GetFieldKind(10), fkEmpty);  // no partner was touched
}

// --- Lists ---------------------------------------------------------------------------------

TEST_F(FieldStoreTest, TextLists) {
    EXPECT_EQ(store.GetFieldLst(399), nullptr);  // kind 0 without a list
    store.SetFieldLst(399, TextList{"one", "two"});
    EXPECT_EQ(store.GetFieldKind(399), fkTextList);
    TextList* list = store.GetFieldLst(399);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(*list, (TextList{"one", "two"}));
    // Handing the field its own list back keeps the list object.
    list->push_back("three");
    store.SetFieldLst(399, *list);
    EXPECT_EQ(store.GetFieldLst(399), list);
    EXPECT_EQ(list->size(), 3u);
    // Other kinds: no list, and SetFieldLst changes nothing.
    store.SetFieldStr(398, "x");
    store.SetFieldLst(398, TextList{"y"});
    EXPECT_EQ(store.GetFieldKind(398), fkShortText);
    EXPECT_EQ(store.GetFieldLst(398), nullptr);
}

TEST_F(FieldStoreTest, SetFieldKindReleasesTextAndListButNotWorksheets) {
    store.SetFieldStr(500, "a text of some length");
    store.SetFieldKind(500, fkShortText);
    EXPECT_EQ(store.SlotOf(500).longText, nullptr);
    EXPECT_EQ(store.GetFieldStr(500), "");

    store.SetFieldStr(501, "another long text");
    store.SetFieldKind(501, fkLongText);  // same kind: the text is still released
    EXPECT_EQ(store.GetFieldStr(501), "");

    store.SetFieldLst(502, TextList{"a"});
    store.SetFieldKind(502, fkTextList);
    EXPECT_EQ(store.GetFieldLst(502), nullptr);

    // The payload stays: a number survives a change between numeric kinds.
    store.SetFieldVal(503, 42.5L);
    store.SetFieldKind(503, fkCents);
    EXPECT_EQ(store.GetFieldVal(503), 42.5L);

    store.OpenWorksheetList(kSpouseList);
    store.SetFieldStr(710, "Jane");
    store.StoreWorksheet(kSpouseList, 1);
    store.SetFieldKind(kSpouseField, fkDollars);
    EXPECT_FALSE(store.WorksheetListHasEntries(kSpouseList));
    store.SetFieldKind(kSpouseField, fkWorksheetList);
    EXPECT_TRUE(store.WorksheetListHasEntries(kSpouseList));
}

// --- FieldIsEmpty --------------------------------------------------------------------------

TEST_F(FieldStoreTest, FieldIsEmptyByKind) {
    struct Case {
        const char* name;
        void (*prepare)(FieldStore&, int);
        bool empty;
    } cases[] = {
        {"kind 0", [](FieldStore&, int) {}, true},
        {"three blanks", [](FieldStore& s, int f) { s.SetFieldStr(f, "   "); }, true},
        {"blanks and controls", [](FieldStore& s, int f) { s.SetFieldStr(f, " \t\r\n\x01 "); },
         true},
        {"long blanks", [](FieldStore& s, int f) { s.SetFieldStr(f, std::string(40, ' ')); }, true},
        {"letter among blanks", [](FieldStore& s, int f) { s.SetFieldStr(f, "  x  "); }, false},
        {"high byte", [](FieldStore& s, int f) { s.SetFieldStr(f, " \xa0 "); }, false},
        {"empty text", [](FieldStore& s, int f) { s.SetFieldStr(f, ""); }, true},
        {"long text", [](FieldStore& s, int f) { s.SetFieldStr(f, "0123456789ab"); }, false},
        {"amount 0.0009", [](FieldStore& s, int f) { s.SetFieldVal(f, 0.0009L); }, true},
        {"amount -0.0009", [](FieldStore& s, int f) { s.SetFieldVal(f, -0.0009L); }, true},
        {"amount 0.001", [](FieldStore& s, int f) { s.SetFieldVal(f, 0.001L); }, false},
        {"explicit zero", [](FieldStore& s, int f) { s.SetFieldVal(f, kExplicitZero); }, false},
        {"zero integer", [](FieldStore& s, int f) { s.SetFieldKind(f, fkInteger); }, true},
        {"unchecked", [](FieldStore& s, int f) { s.SetFieldUnchecked(f); }, true},
        {"checked", [](FieldStore& s, int f) { s.SetFieldChecked(f); }, false},
        {"list kind, no list", [](FieldStore& s, int f) { s.SetFieldKind(f, fkTextList); }, true},
        {"empty list", [](FieldStore& s, int f) { s.SetFieldLst(f, TextList{}); }, true},
        {"list of one empty line", [](FieldStore& s, int f) { s.SetFieldLst(f, TextList{""}); },
         false},
        {"worksheet kind, no list",
         [](FieldStore& s, int f) { s.SetFieldKind(f, fkWorksheetList); }, true},
        {"empty worksheet list",
         [](FieldStore& s, int f) { s.OpenWorksheetList(f - kWorksheetListField); }, true},
        {"worksheet list with entries",
         [](FieldStore& s, int f) {
             s.OpenWorksheetList(f - kWorksheetListField);
             s.SetFieldStr(710, "name");
             s.StoreWorksheet(f - kWorksheetListField, 1);
         },
         false},
    };
    int field = 1300;
    for (const auto& c : cases) {
        c.prepare(store, field);
        EXPECT_EQ(store.FieldIsEmpty(field), c.empty) << c.name;
        ++field;
    }
}

// --- Clearing ------------------------------------------------------------------------------

TEST_F(FieldStoreTest, ClearAllFieldsByKind) {
    store.SetFieldKind(1, fkInteger);
    store.SetFieldVal(1, 12.0L);
    store.SetFieldVal(2, 1234.56L);
    store.SetFieldKind(3, fkCents);
    store.SetFieldVal(3, 7.5L);
    store.SetFieldStr(4, "a long text here");
    store.SetFieldStr(5, "short");
    store.SetFieldChecked(6);
    store.SetFieldLst(7, TextList{"line"});
    store.OpenWorksheetList(kSpouseList);
    store.SetFieldStr(710, "Jane");
    store.SetFieldLst(1150, TextList{"a", "b"});
    store.StoreWorksheet(kSpouseList, 1);
    // A loaded worksheet: its per-worksheet fields go to kind 0 whatever their kind.
    store.LoadWorksheet(kSpouseList, 1);
    store.SetFieldVal(720, 99.0L);

    store.ClearAllFields();

    const struct {
        int field;
        FieldKind kind;
    } expected[] = {{1, fkInteger},   {2, fkDollars}, {3, fkCents},   {4, fkEmpty},
                    {5, fkShortText}, {6, fkCheck},   {7, fkEmpty},   {kSpouseField, fkEmpty},
                    {710, fkEmpty},   {720, fkEmpty}, {1150, fkEmpty}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.field);
        EXPECT_EQ(store.GetFieldKind(e.field), e.kind);
        EXPECT_EQ(store.GetFieldVal(e.field), 0.0L);
        EXPECT_EQ(store.GetFieldStr(e.field), "");
        EXPECT_EQ(store.GetFieldText(e.field), "");
        EXPECT_FALSE(store.FieldChecked(e.field));
        EXPECT_EQ(store.GetFieldLst(e.field), nullptr);
        EXPECT_TRUE(store.FieldIsEmpty(e.field));
        const Slot& slot = store.SlotOf(e.field);
        EXPECT_EQ(slot.longText, nullptr);
        EXPECT_EQ(slot.list, nullptr);
        EXPECT_EQ(slot.worksheets, nullptr);
    }
    EXPECT_EQ(store.SlotOf(2).payload, Ext80Bytes{});
    EXPECT_FALSE(store.WorksheetListHasEntries(kSpouseList));
    EXPECT_EQ(store.GetWorksheetList(kSpouseList), nullptr);
}

TEST(ClearSlot, ClearsOneSlotByTheRulesOfItsKind) {
    struct Case {
        FieldKind kind;
        FieldKind after;
    } cases[] = {{fkEmpty, fkEmpty}, {fkInteger, fkInteger}, {fkDollars, fkDollars},
                 {fkCents, fkCents}, {fkLongText, fkEmpty},  {fkShortText, fkShortText},
                 {fkCheck, fkCheck}, {fkTextList, fkEmpty},  {fkWorksheetList, fkEmpty}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.kind));
        Slot slot;
        slot.kind = c.kind;
        slot.payload.fill(0x11);
        if (c.kind == fkLongText) slot.longText = std::make_unique<std::string>("a long text");
        if (c.kind == fkTextList) slot.list = std::make_unique<TextList>(TextList{"x"});
        if (c.kind == fkWorksheetList) {
            slot.worksheets = std::make_unique<WorksheetList>();
            slot.worksheets->push_back(WorksheetEntry{1, 710, Slot{}});
        }
        FieldStore::ClearSlot(slot);
        EXPECT_EQ(slot.kind, c.after);
        EXPECT_EQ(slot.payload[0], 0);
        if (c.kind <= fkCents) {
            EXPECT_EQ(slot.payload, Ext80Bytes{});
        }
        EXPECT_EQ(slot.longText, nullptr);
        EXPECT_EQ(slot.list, nullptr);
        EXPECT_EQ(slot.worksheets, nullptr);
    }
}

// --- Worksheets ----------------------------------------------------------------------------

// Fills the per-worksheet fields with a recognisable record for worksheet k.
void FillRecord(FieldStore& store, int k, bool named = true) {
    if (named) store.SetFieldStr(710, Numbered("Person ", k));
    store.SetFieldVal(711, 1000.0L * k + 0.25L);
    store.SetFieldKind(712, fkCents);
    store.SetFieldVal(712, 10.5L * k);
    store.SetFieldChecked(713);
    store.SetFieldStr(1100, Numbered("A long address line for record ", k));
    store.SetFieldLst(1200, TextList{Numbered("line a", k), "line b"});
}

std::vector<std::pair<int, int>> EntryKeys(const WorksheetList& list) {
    std::vector<std::pair<int, int>> keys;
    for (const WorksheetEntry& e : list) keys.emplace_back(e.worksheet, e.field);
    return keys;
}

TEST_F(FieldStoreTest, StoreWorksheetWritesABlockInDescendingFieldOrder) {
    store.OpenWorksheetList(kDependantList);
    FillRecord(store, 1);
    store.SetFieldVal(714, 0.0L);        // zero amount: not kept
    store.SetFieldUnchecked(715);        // unchecked flag: not kept
    store.SetFieldLst(716, TextList{});  // empty list: not kept
    store.SetFieldStr(717, "");          // empty text: not kept
    store.SetFieldStr(718, "  ");        // blanks show as text: kept
    store.StoreWorksheet(kDependantList, 1);

    const WorksheetList* list = store.GetWorksheetList(kDependantList);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(EntryKeys(*list),
              (std::vector<std::pair<int, int>>{
                  {1, 1200}, {1, 1100}, {1, 718}, {1, 713}, {1, 712}, {1, 711}, {1, 710}}));
    EXPECT_EQ(store.CurrentWorksheetList(), 0);
    EXPECT_EQ(store.CurrentWorksheet(), 0);
    for (int f : {710, 711, 712, 713, 714, 715, 716, 1100, 1200})
        EXPECT_EQ(store.GetFieldKind(f), fkEmpty) << f;

    // Reading it back: the kept values, and kind 0 for what was not kept.
    store.LoadWorksheet(kDependantList, 1);
    EXPECT_EQ(store.CurrentWorksheetList(), kDependantList);
    EXPECT_EQ(store.CurrentWorksheet(), 0);  // LoadWorksheet leaves it
    EXPECT_EQ(store.GetFieldStr(710), "Person 1");
    EXPECT_EQ(store.GetFieldVal(711), 1000.25L);
    EXPECT_EQ(store.GetFieldKind(712), fkCents);
    EXPECT_EQ(store.GetFieldVal(712), 10.5L);
    EXPECT_TRUE(store.FieldChecked(713));
    EXPECT_EQ(store.GetFieldStr(718), "  ");
    EXPECT_EQ(store.GetFieldStr(1100), "A long address line for record 1");
    EXPECT_EQ(*store.GetFieldLst(1200), (TextList{"line a1", "line b"}));
    for (int f : {714, 715, 716, 717}) EXPECT_EQ(store.GetFieldKind(f), fkEmpty) << f;
}

TEST_F(FieldStoreTest, ReStoredWorksheetReplacesItsBlockInPlace) {
    store.OpenWorksheetList(kDependantList);
    for (int k = 1; k <= 3; ++k) {
        FillRecord(store, k);
        store.StoreWorksheet(kDependantList, k);
    }
    store.LoadWorksheet(kDependantList, 2);
    store.SetFieldStr(710, "");    // no name: gets "Worksheet No 2"
    store.SetFieldVal(711, 0.0L);  // dropped
    store.SetFieldVal(730, 5.0L);  // added
    store.SetModified(false);
    store.StoreWorksheet(kDependantList, 2);
    EXPECT_TRUE(store.Modified());  // the name was set with SetFieldStr

    const WorksheetList& list = *store.GetWorksheetList(kDependantList);
    std::vector<int> numbers;
    for (const WorksheetEntry& e : list) numbers.push_back(e.worksheet);
    EXPECT_EQ(numbers, (std::vector<int>{1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3}));
    std::vector<int> block2;
    for (const WorksheetEntry& e : list)
        if (e.worksheet == 2) block2.push_back(e.field);
    EXPECT_EQ(block2, (std::vector<int>{1200, 1100, 730, 713, 712, 710}));
    EXPECT_EQ(std::get<std::string>(store.GetWorksheetValue(kDependantList, 1, 710)),
              "Worksheet No 2");
    EXPECT_EQ(std::get<std::string>(store.GetWorksheetValue(kDependantList, 0, 710)), "Person 1");
    EXPECT_EQ(std::get<std::string>(store.GetWorksheetValue(kDependantList, 2, 710)), "Person 3");
}

// The re-stored block stands where the old one stood whether it shrinks, grows or stays, and
// when the old entries were scattered (a list read from a file), where the first of them stood.
TEST_F(FieldStoreTest, ReStoredBlockOfAnotherSizeStaysInPlace) {
    struct Case {
        const char* name;
        int newFields;  // fields 720.. of the new worksheet 2, besides its name
    } cases[] = {{"shrinks", 1}, {"same size", 3}, {"grows", 6}, {"empty but named", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FieldStore s;
        s.OpenWorksheetList(kDependantList);
        for (int k = 1; k <= 3; ++k) {
            s.SetFieldStr(710, Numbered("W", k));
            for (int f = 720; f < 723; ++f) s.SetFieldVal(f, f + k);
            s.StoreWorksheet(kDependantList, k);
        }
        s.SetFieldStr(710, "New 2");
        for (int f = 720; f < 720 + c.newFields; ++f) s.SetFieldVal(f, 1.0L);
        s.StoreWorksheet(kDependantList, 2);
        std::vector<std::pair<int, int>> expected;
        for (int f = 722; f >= 720; --f) expected.emplace_back(1, f);
        expected.emplace_back(1, 710);
        for (int f = 720 + c.newFields - 1; f >= 720; --f) expected.emplace_back(2, f);
        expected.emplace_back(2, 710);
        for (int f = 722; f >= 720; --f) expected.emplace_back(3, f);
        expected.emplace_back(3, 710);
        EXPECT_EQ(EntryKeys(*s.GetWorksheetList(kDependantList)), expected);
    }
}

TEST_F(FieldStoreTest, ReStoredScatteredWorksheetGoesWhereItsFirstEntryStood) {
    store.OpenWorksheetList(kDependantList);
    WorksheetList& list = *store.GetWorksheetList(kDependantList);
    Slot flag;
    flag.kind = fkCheck;
    flag.payload[0] = 1;
    for (auto [k, f] :
         std::vector<std::pair<int, int>>{{1, 711}, {2, 711}, {1, 712}, {2, 712}, {3, 711}})
        list.push_back(WorksheetEntry{static_cast<std::uint16_t>(k), f, flag});
    store.SetFieldStr(710, "Two");
    store.SetFieldChecked(740);
    store.StoreWorksheet(kDependantList, 2);
    EXPECT_EQ(EntryKeys(list),
              (std::vector<std::pair<int, int>>{{1, 711}, {2, 740}, {2, 710}, {1, 712}, {3, 711}}));
}

TEST_F(FieldStoreTest, StoreWorksheetAppendsANewWorksheetAndNamesIt) {
    store.OpenWorksheetList(kSpouseList);
    FillRecord(store, 1);
    store.StoreWorksheet(kSpouseList, 1);
    FillRecord(store, 7, /*named=*/false);
    store.StoreWorksheet(kSpouseList, 7);
    const WorksheetList& list = *store.GetWorksheetList(kSpouseList);
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list.back().worksheet, 7);
    EXPECT_EQ(list.back().field, 710);
    EXPECT_EQ(std::get<std::string>(store.GetWorksheetValue(kSpouseList, 6, 710)),
              "Worksheet No 7");
    EXPECT_EQ(store.HighestWorksheetNumber(kSpouseList), 7);
}

TEST_F(FieldStoreTest, StoreWorksheetWithoutAListKeepsNothing) {
    FillRecord(store, 1, /*named=*/false);
    store.StoreWorksheet(kSpouseList, 1);
    EXPECT_EQ(store.GetFieldKind(kSpouseField), fkEmpty);
    EXPECT_EQ(store.GetWorksheetList(kSpouseList), nullptr);
    EXPECT_EQ(store.GetFieldKind(710), fkEmpty);
    EXPECT_EQ(store.GetFieldKind(1200), fkEmpty);
    EXPECT_EQ(store.CurrentWorksheetList(), 0);
}

TEST_F(FieldStoreTest, StoreWorksheetNumberAbove65535IsARangeError) {
    store.OpenWorksheetList(kSpouseList);
    FillRecord(store, 1);
    EXPECT_THROW(store.StoreWorksheet(kSpouseList, 65536), ERangeError);
    EXPECT_THROW(store.StoreWorksheet(kSpouseList, -1), ERangeError);
    EXPECT_EQ(store.GetFieldStr(710), "Person 1");  // nothing happened
    EXPECT_FALSE(store.WorksheetListHasEntries(kSpouseList));
    store.StoreWorksheet(kSpouseList, 65535);
    EXPECT_EQ(store.HighestWorksheetNumber(kSpouseList), 65535);
}

TEST_F(FieldStoreTest, StoreWorksheetKeepsAHugeIntegerWithoutThrowing) {
    store.OpenWorksheetList(kSpouseList);
    store.SetFieldKind(720, fkInteger);
    store.SetFieldVal(720, 1e12L);
    EXPECT_NO_THROW(store.StoreWorksheet(kSpouseList, 1));
    store.LoadWorksheet(kSpouseList, 1);
    EXPECT_EQ(store.GetFieldVal(720), 1e12L);
}

TEST_F(FieldStoreTest, LoadWorksheetResetsThePerWorksheetFieldsAndOpensTheList) {
    store.SetFieldVal(700, 3.0L);  // not a per-worksheet field: untouched
    store.SetFieldVal(750, 4.0L);
    store.SetFieldStr(1101, "left over long text");
    store.SetCurrentWorksheet(5);
    store.LoadWorksheet(kSpouseList, 1);
    EXPECT_EQ(store.GetFieldKind(kSpouseField), fkWorksheetList);
    EXPECT_NE(store.GetWorksheetList(kSpouseList), nullptr);
    EXPECT_FALSE(store.WorksheetListHasEntries(kSpouseList));
    EXPECT_EQ(store.GetFieldVal(700), 3.0L);
    EXPECT_EQ(store.GetFieldKind(750), fkEmpty);
    EXPECT_EQ(store.GetFieldKind(1101), fkEmpty);
    EXPECT_EQ(store.CurrentWorksheetList(), kSpouseList);
    EXPECT_EQ(store.CurrentWorksheet(), 5);
}

TEST_F(FieldStoreTest, OpenWorksheetListKeepsAnExistingList) {
    store.OpenWorksheetList(kSpouseList);
    FillRecord(store, 1);
    store.StoreWorksheet(kSpouseList, 1);
    const WorksheetList* list = store.GetWorksheetList(kSpouseList);
    store.OpenWorksheetList(kSpouseList);
    EXPECT_EQ(store.GetWorksheetList(kSpouseList), list);
    EXPECT_TRUE(store.WorksheetListHasEntries(kSpouseList));
    // A list number whose field does not exist is ignored.
    store.OpenWorksheetList(kFieldCount);
    EXPECT_EQ(store.GetWorksheetList(kFieldCount), nullptr);
}

TEST_F(FieldStoreTest, WorksheetRoundTripHoldsIndependentCopies) {
    const std::string longName = "Alexandra Konstantinopoulou-Smythe";
    store.OpenWorksheetList(kDependantList);
    store.SetFieldStr(710, longName);
    store.SetFieldStr(1150, std::string(255, 'q'));
    store.SetFieldLst(1151, TextList{"row 1 col 1", "row 1 col 2"});
    store.StoreWorksheet(kDependantList, 1);

    // Load, change the fields: the entries keep their values.
    store.LoadWorksheet(kDependantList, 1);
    EXPECT_EQ(store.GetFieldStr(710), longName);
    EXPECT_EQ(store.GetFieldStr(1150), std::string(255, 'q'));
    store.SetFieldStr(710, "Changed but not stored");
    store.GetFieldLst(1151)->push_back("extra");
    store.SetFieldStr(1150, "another long text value");
    EXPECT_EQ(std::get<std::string>(store.GetWorksheetValue(kDependantList, 0, 710)), longName);
    TextList lines;
    store.GetWorksheetLines(kDependantList, 0, 1151, lines);
    EXPECT_EQ(lines, (TextList{"row 1 col 1", "row 1 col 2"}));

    // Reset the fields (as leaving the worksheet does): the entries still hold their values.
    store.ResetPerWorksheetFields();
    EXPECT_EQ(std::get<std::string>(store.GetWorksheetValue(kDependantList, 0, 1150)),
              std::string(255, 'q'));

    // Change the entry: a loaded copy does not follow.
    store.LoadWorksheet(kDependantList, 1);
    store.SetWorksheetLines(kDependantList, 0, 1151, TextList{"new"});
    EXPECT_EQ(*store.GetFieldLst(1151), (TextList{"row 1 col 1", "row 1 col 2"}));
    store.GetWorksheetLines(kDependantList, 0, 1151, lines);
    EXPECT_EQ(lines, (TextList{"new"}));

    // Load and store again unchanged: the same values come back.
    store.StoreWorksheet(kDependantList, 1);
    store.LoadWorksheet(kDependantList, 1);
    EXPECT_EQ(store.GetFieldStr(710), longName);
    EXPECT_EQ(store.GetFieldStr(1150), std::string(255, 'q'));
    EXPECT_EQ(*store.GetFieldLst(1151), (TextList{"row 1 col 1", "row 1 col 2"}));

    // A copy of the whole list field is deep as well.
    Slot copy = store.SlotOf(kDependantList + kWorksheetListField);
    store.SetWorksheetLines(kDependantList, 0, 1151, TextList{"changed again"});
    ASSERT_NE(copy.worksheets, nullptr);
    for (const WorksheetEntry& e : *copy.worksheets)
        if (e.field == 1151) {
            EXPECT_EQ(*e.slot.list, (TextList{"row 1 col 1", "row 1 col 2"}));
        }
}

TEST_F(FieldStoreTest, GetWorksheetValueByKind) {
    store.OpenWorksheetList(kSpouseList);
    store.SetFieldStr(710, "Bo");
    store.SetFieldStr(711, "a long text of the spouse");
    store.SetFieldVal(712, 12.5L);
    store.SetFieldKind(713, fkCents);
    store.SetFieldVal(713, 0.25L);
    store.SetFieldChecked(714);
    store.SetFieldKind(715, fkInteger);
    store.SetFieldVal(715, 3.0L);
    store.SetFieldLst(716, TextList{"x"});
    store.StoreWorksheet(kSpouseList, 1);

    EXPECT_EQ(std::get<std::string>(store.GetWorksheetValue(kSpouseList, 0, 710)), "Bo");
    EXPECT_EQ(std::get<std::string>(store.GetWorksheetValue(kSpouseList, 0, 711)),
              "a long text of the spouse");
    EXPECT_EQ(std::get<long double>(store.GetWorksheetValue(kSpouseList, 0, 712)), 12.5L);
    EXPECT_EQ(std::get<long double>(store.GetWorksheetValue(kSpouseList, 0, 713)), 0.25L);
    EXPECT_EQ(std::get<bool>(store.GetWorksheetValue(kSpouseList, 0, 714)), true);
    for (int f : {715, 716, 717})  // integer, text list, no entry: null
        EXPECT_TRUE(
            std::holds_alternative<std::monostate>(store.GetWorksheetValue(kSpouseList, 0, f)))
            << f;
    // Index 0 is worksheet number 1; index 1 does not exist.
    EXPECT_TRUE(
        std::holds_alternative<std::monostate>(store.GetWorksheetValue(kSpouseList, 1, 710)));
    EXPECT_TRUE(
        std::holds_alternative<std::monostate>(store.GetWorksheetValue(kDependantList, 0, 710)));
    EXPECT_TRUE(
        std::holds_alternative<std::monostate>(store.GetWorksheetValue(kSpouseList, -1, 710)));
}

TEST_F(FieldStoreTest, GetWorksheetValueLastMatchCountsAndAHeldTextMayBeMissing) {
    store.OpenWorksheetList(kSpouseList);
    WorksheetList& list = *store.GetWorksheetList(kSpouseList);
    Slot first;
    first.kind = fkShortText;
    first.payload[0] = 1;
    first.payload[1] = 'A';
    Slot second = first;
    second.payload[1] = 'B';
    list.push_back(WorksheetEntry{1, 720, first});
    list.push_back(WorksheetEntry{2, 720, first});
    list.push_back(WorksheetEntry{1, 720, second});
    EXPECT_EQ(std::get<std::string>(store.GetWorksheetValue(kSpouseList, 0, 720)), "B");

    Slot noText;
    noText.kind = fkLongText;
    list.push_back(WorksheetEntry{1, 721, noText});
    EXPECT_TRUE(
        std::holds_alternative<std::monostate>(store.GetWorksheetValue(kSpouseList, 0, 721)));
    EXPECT_EQ(store.GetWorksheetColumn(kSpouseList, 721), TextList{});
}

TEST_F(FieldStoreTest, GetWorksheetColumn) {
    store.OpenWorksheetList(kDependantList);
    const long double amounts[] = {1234.5L,  1234.56789L, 12.0L,
                                   -0.004L,  0.00104L,    1.03125L /* x.xxxx5 exactly: to even */,
                                   1.09375L, 1e20L};
    int k = 1;
    for (long double a : amounts) {
        store.SetFieldVal(720, a);
        store.SetFieldKind(721, fkCents);
        store.SetFieldVal(721, a);
        store.StoreWorksheet(kDependantList, k++);
    }
    const TextList expected = {"1234.5", "1234.5679", "12",     "-0.004",
                               "0.001",  "1.0312",    "1.0938", "100000000000000000000"};
    EXPECT_EQ(store.GetWorksheetColumn(kDependantList, 720), expected);
    EXPECT_EQ(store.GetWorksheetColumn(kDependantList, 721), expected);

    // Texts and flags, in list order; integers and lists add no line.
    FieldStore s;
    s.OpenWorksheetList(kSpouseList);
    s.SetFieldStr(710, "Ann");
    s.SetFieldChecked(711);
    s.SetFieldStr(712, "a long text again");
    s.StoreWorksheet(kSpouseList, 1);
    s.SetFieldStr(710, "Benjamin Long");
    s.SetFieldKind(711, fkCheck);
    s.SetFieldKind(712, fkInteger);
    s.SetFieldVal(712, 5.0L);
    s.StoreWorksheet(kSpouseList, 2);
    EXPECT_EQ(s.GetWorksheetColumn(kSpouseList, 710), (TextList{"Ann", "Benjamin Long"}));
    EXPECT_EQ(s.GetWorksheetColumn(kSpouseList, 711), (TextList{"True"}));  // unchecked not kept
    EXPECT_EQ(s.GetWorksheetColumn(kSpouseList, 712), (TextList{"a long text again"}));
    EXPECT_EQ(s.GetWorksheetColumn(kDependantList, 710), TextList{});

    // An unchecked flag in an entry reads "False".
    WorksheetList& list = *s.GetWorksheetList(kSpouseList);
    Slot flag;
    flag.kind = fkCheck;
    list.push_back(WorksheetEntry{3, 711, flag});
    EXPECT_EQ(s.GetWorksheetColumn(kSpouseList, 711), (TextList{"True", "False"}));
}

TEST_F(FieldStoreTest, HighestWorksheetNumberAndHasEntries) {
    EXPECT_EQ(store.HighestWorksheetNumber(kSpouseList), 0);
    EXPECT_FALSE(store.WorksheetListHasEntries(kSpouseList));
    store.OpenWorksheetList(kSpouseList);
    EXPECT_EQ(store.HighestWorksheetNumber(kSpouseList), 0);
    EXPECT_FALSE(store.WorksheetListHasEntries(kSpouseList));
    for (int k : {2, 9, 4}) {
        FillRecord(store, k);
        store.StoreWorksheet(kSpouseList, k);
    }
    EXPECT_EQ(store.HighestWorksheetNumber(kSpouseList), 9);
    EXPECT_TRUE(store.WorksheetListHasEntries(kSpouseList));
}

TEST_F(FieldStoreTest, WorksheetLinesUseTheFirstMatchingTextList) {
    store.OpenWorksheetList(kDependantList);
    WorksheetList& list = *store.GetWorksheetList(kDependantList);
    Slot text;
    text.kind = fkShortText;
    Slot lines1;
    lines1.kind = fkTextList;
    lines1.list = std::make_unique<TextList>(TextList{"first"});
    Slot lines2 = lines1;
    *lines2.list = {"second"};
    Slot noList;
    noList.kind = fkTextList;
    list.push_back(WorksheetEntry{1, 1160, text});    // same field, not a text list
    list.push_back(WorksheetEntry{2, 1160, lines2});  // other worksheet
    list.push_back(WorksheetEntry{1, 1160, lines1});
    list.push_back(WorksheetEntry{1, 1160, lines2});
    list.push_back(WorksheetEntry{1, 1161, noList});

    TextList got{"stale"};
    store.GetWorksheetLines(kDependantList, 0, 1160, got);
    EXPECT_EQ(got, TextList{"first"});
    store.GetWorksheetLines(kDependantList, 1, 1160, got);
    EXPECT_EQ(got, TextList{"second"});
    store.GetWorksheetLines(kDependantList, 0, 1999, got);  // no entry: cleared
    EXPECT_EQ(got, TextList{});
    got = {"stale"};
    store.GetWorksheetLines(kDependantList, 0, 1161, got);  // entry without a list
    EXPECT_EQ(got, TextList{});
    got = {"stale"};
    store.GetWorksheetLines(kSpouseList, 0, 1160, got);  // no list at all
    EXPECT_EQ(got, TextList{});

    store.SetWorksheetLines(kDependantList, 0, 1160, TextList{"replaced", "twice"});
    EXPECT_EQ(*list[2].slot.list, (TextList{"replaced", "twice"}));
    EXPECT_EQ(*list[3].slot.list, TextList{"second"});
    EXPECT_EQ(*list[1].slot.list, TextList{"second"});
    store.SetWorksheetLines(kDependantList, 0, 1161, TextList{"attached"});
    ASSERT_NE(list[4].slot.list, nullptr);
    EXPECT_EQ(*list[4].slot.list, TextList{"attached"});
    // The caller's list stays the caller's.
    TextList mine{"mine"};
    store.SetWorksheetLines(kDependantList, 0, 1160, mine);
    mine.push_back("more");
    EXPECT_EQ(*list[2].slot.list, TextList{"mine"});
}

TEST_F(FieldStoreTest, WorksheetEntriesCarryTheSlotImage) {
    store.OpenWorksheetList(kSpouseList);
    store.SetFieldVal(711, kExplicitZero);
    store.StoreWorksheet(kSpouseList, 3);
    const WorksheetList& list = *store.GetWorksheetList(kSpouseList);
    ASSERT_EQ(list.size(), 2u);     // 711 and the name
    EXPECT_EQ(list[0].field, 711);  // descending field order
    EXPECT_EQ(list[0].worksheet, 3);
    EXPECT_EQ(list[0].slot.kind, fkDollars);
    EXPECT_EQ(list[0].slot.payload, EncodeExt80(kExplicitZero));
    EXPECT_EQ(list[1].field, 710);
    EXPECT_EQ(store.GetWorksheetColumn(kSpouseList, 711), TextList{"0.0011"});
}

}  // namespace
}  // namespace ftb::data
