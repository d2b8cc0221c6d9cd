#include "screens/QNFTB_06a.h"

#include "controls/TaxEdit.h"
#include "controls/core/StateFields.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"
#include "screens/SpouseNames.h"

namespace ftb::screens {

namespace {

constexpr int kAllSpousesField = 1271;
constexpr int kHadSpouseField = 1269;
constexpr int kMaritalStatusField = 1250;
// Field 1279's value that makes the spouse details screen open a new worksheet.
constexpr int kNewSpouse = -2;

constexpr int kSpouseDetailsScreen = 7818;
constexpr int kStartOfYearScreen = 7820;
constexpr int kMaritalStatusScreen = 7821;
constexpr int kSpouseSectionEnd = 7822;

const std::vector<std::string> kQuestion = {
    "<T1>Did you have another <C12;J517>spouse<.;T1> at any time from 1 July <V99998> to 30 "
    "June <V99999>?<.>",
    "",
    "Answer <T1>Yes<.> to enter the details of another spouse you had during the income year.",
    "",
    "Answer <T1>No<.> when you have entered every spouse you had during the year.",
};

const std::vector<std::string> kHint = {
    "<X10>To change or delete the details of a spouse you have already entered, click <T1>Prev<.>",
    "and choose the spouse from the list of existing worksheets.",
};

}  // namespace

TQFTB_06a::TQFTB_06a(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(*this, {
                                ScreenText("TextLbl1", 10, kQuestion),
                                interview::Edit("TaxEditAllSpouse", kAllSpousesField,
                                                {10, 300, 40, 21},
                                                {.NumericType = controls::ntNumeric})
                                    .Hidden(),
                                HintBox(kHint),
                            });
}

void TQFTB_06a::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_06a::ChildFormYesNoClick(QObject* Sender) {
    auto* allSpouses = Find<controls::TTaxEdit>("TaxEditAllSpouse");
    if (IsYes(*this, Sender)) {
        controls::WriteStateField(Store(), controls::kCurrentSpouseField, kNewSpouse);
        allSpouses->AssignText("0");  // as typed: the explicit zero
        Frame().SaveScreenToFields();
        MoveAfterAnswer(*this, kSpouseDetailsScreen);
        return;
    }
    allSpouses->AssignText("1");
    Frame().SaveScreenToFields();
    const int spouses = SpouseCount(Store());
    if (spouses > 1) {
        MoveAfterAnswer(*this, kMaritalStatusScreen);
    } else if (spouses == 1) {
        MoveAfterAnswer(*this, kStartOfYearScreen);
    } else {
        data::FieldStore::ClearSlot(Store().SlotOf(kMaritalStatusField));
        Store().SetFieldStr(kHadSpouseField, "0");
        Store().SetModified(true);
        MoveAfterAnswer(*this, kSpouseSectionEnd);
    }
}

}  // namespace ftb::screens
