// What the dependant screens keep that no screen shows: the permanent departure flag of 7829,
// the number of births of 7835, and the calculator's rounding of the share of nights.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <optional>
#include <variant>

#include "assessment/support/ReturnBuilder.h"
#include "controls/TaxEdit.h"
#include "screens/QNFTB_35.h"
#include "support/ScreensFixture.h"

namespace ftb::screens::test {
namespace {

class DependantScreens : public ScreensFixture {
  protected:
    // An 11-year-old in full-time study all year, who left on 15/08/2001 and has not returned.
    void EnterTraveller() {
        test_support::ReturnBuilder(Store).AddDependant(
            test_support::Dependant("Kim Lee", "15/05/1990")
                .Check(734)
                .Table(747, {{"15/08/2001", ""}}));
        Store.SetFieldStr(1280, "0");
    }

    bool DepartedForGood() const {
        return std::holds_alternative<bool>(
            Store.GetWorksheetValue(data::kDependantList, 0, 1101));
    }
};

TEST_F(DependantScreens, NoOnThePermanentDepartureTakesAnEarlierYesBack) {
    EnterTraveller();
    Start(7829);
    Click("BtnYes");
    ASSERT_EQ(Shown(), 7832);
    EXPECT_TRUE(DepartedForGood());

    Frame->SetBackwardMove(true);  // back from 7832 without answering it
    Start(7829);
    Click("BtnNo");
    ASSERT_EQ(Shown(), 7832);
    EXPECT_FALSE(DepartedForGood());
}

TEST_F(DependantScreens, ABirthNotYetDescribedIsASingleBirth) {
    EnterTraveller();
    Start(7835);
    EXPECT_TRUE(Widget<QRadioButton>("RadioButton1").isChecked());
    EXPECT_EQ(Widget<controls::TTaxEdit>("TaxEditMultiBirth").Text(), "1");
    // The fixture clicks the middle of a control, which on this wide button is past its caption.
    Widget<QRadioButton>("RadioButton2").click();
    EXPECT_FALSE(Widget<QRadioButton>("RadioButton1").isChecked());
    Click("BtnNext");
    ASSERT_EQ(Shown(), 7836);
    const auto births = Store.GetWorksheetValue(data::kDependantList, 0, 1136);
    ASSERT_TRUE(std::holds_alternative<long double>(births));
    EXPECT_EQ(std::get<long double>(births), 2);
}

TEST(SharedCarePercentage, RoundsTheShareOfNightsHalfToEven) {
    struct Case {
        int inCare, total;
        std::optional<int> percent;
    };
    const Case cases[] = {
        {100, 365, 27}, {1, 8, 12}, {3, 8, 38}, {365, 365, 100}, {1, 365, 0},
        {0, 365, std::nullopt}, {10, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SharedCarePercentage(c.inCare, c.total), c.percent)
            << c.inCare << " of " << c.total;
}

}  // namespace
}  // namespace ftb::screens::test
