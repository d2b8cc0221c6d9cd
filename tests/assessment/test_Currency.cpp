#include "assessment/Currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace ftb::assessment {
namespace {

Currency Units(std::int64_t units) { return Currency::FromUnits(units); }

TEST(Currency, SumsOfStoredAmountsAreExact) {
    // In binary floating point 20000.49 + 34470.51 need not be 54471; here it must be.
    EXPECT_EQ(Currency::FromValue(20000.49L) + Currency::FromValue(34470.51L),
              Currency::FromDollars(54471));
    EXPECT_EQ(Currency::FromValue(0.1L) + Currency::FromValue(0.2L), Currency::FromValue(0.3L));
    EXPECT_EQ(Currency::FromValue(0.0011L), Units(11));  // the explicit zero, held to 4 places
    EXPECT_EQ(Currency::FromValue(-1234.56789L), Units(-12345679));
    EXPECT_EQ(Currency::FromValue(std::nanl("")), Currency());
}

TEST(Currency, RoundsHalvesToEven) {
    struct Case {
        std::int64_t units;
        std::int64_t cents;    // rounded to cents, in units
        std::int64_t dollars;  // rounded to dollars, in units
    } cases[] = {
        {50, 0, 0},                        // 0.0050 -> 0.00 (half, 0 is even)
        {150, 200, 0},                     // 0.0150 -> 0.02
        {250, 200, 0},                     // 0.0250 -> 0.02
        {51, 100, 0},                      // 0.0051 -> 0.01
        {11, 0, 0},                        // the explicit zero rounds to 0
        {-50, 0, 0},                       // -0.0050 -> 0.00
        {-150, -200, 0},                   // -0.0150 -> -0.02
        {25000, 25000, 20000},             // 2.50 -> 2
        {35000, 35000, 40000},             // 3.50 -> 4
        {-25000, -25000, -20000},          // -2.50 -> -2
        {-35000, -35000, -40000},          // -3.50 -> -4
        {80785000, 80785000, 80780000},    // 8078.50 -> 8078
        {80785001, 80785000, 80790000},    // 8078.5001 -> 8079 directly, 8078.50 via cents
        {80795000, 80795000, 80800000},    // 8079.50 -> 8080
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Units(c.units).RoundedToCents(), Units(c.cents)) << c.units;
        EXPECT_EQ(Units(c.units).RoundedToDollars(), Units(c.dollars)) << c.units;
    }
}

TEST(Currency, ScalesByHundredthsToFourPlaces) {
    // 1000.01 x 0.51 = 510.0051 exactly.
    EXPECT_EQ(Currency::FromValue(1000.01L).TimesHundredths(51), Units(5100051));
    // 0.0050 x 0.51 = 0.002550: 25.5 units, the half goes to the even 26.
    EXPECT_EQ(Units(50).TimesHundredths(51), Units(26));
    // 0.0150 x 0.51 = 0.007650: 76.5 units -> 76.
    EXPECT_EQ(Units(150).TimesHundredths(51), Units(76));
    EXPECT_EQ(Units(-150).TimesHundredths(51), Units(-76));
}

TEST(Currency, DamagedAmountsAreBoundedAndSumsDoNotWrap) {
    const Currency huge = Currency::FromValue(1e30L);
    EXPECT_EQ(huge, Currency::FromValue(std::numeric_limits<long double>::infinity()));
    EXPECT_EQ(-huge, Currency::FromValue(-1e30L));
    Currency total;
    for (int i = 0; i < 200; ++i) total += huge;
    EXPECT_EQ(total.Units(), std::numeric_limits<std::int64_t>::max());
    Currency debt;
    for (int i = 0; i < 200; ++i) debt -= huge;
    EXPECT_EQ(debt.Units(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(debt.RoundedToDollars(), debt);  // no overflow at the lowest count
    EXPECT_EQ(total.TimesHundredths(51).Units(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(debt.ToText(), "-922337203685477.5808");
}

TEST(Currency, TextShowsFourPlaces) {
    EXPECT_EQ(Units(-12345600).ToText(), "-1234.5600");
    EXPECT_EQ(Units(11).ToText(), "0.0011");
    EXPECT_EQ(Currency::FromDollars(54471).ToText(), "54471.0000");
}

}  // namespace
}  // namespace ftb::assessment
