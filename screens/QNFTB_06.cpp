#include "screens/QNFTB_06.h"

#include <QCheckBox>
#include <QRadioButton>
#include <algorithm>
#include <cctype>
#include <iterator>

#include "assessment/Calendar.h"
#include "assessment/Integrity.h"
#include "controls/TaxEdit.h"
#include "controls/core/StateFields.h"
#include "data/Dates.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "interview/ScreenHelpers.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"
#include "screens/SpouseNames.h"

namespace ftb::screens {

namespace {

using interview::TEditProps;
using controls::TCustomNumEdit;
namespace i = interview;

constexpr int kClaimantTfnField = 1;  // the key source the host passes
constexpr int kNameField = 710;
constexpr int kFamilyField = 712;
constexpr int kGivenField = 713;
constexpr int kOtherField = 714;
constexpr int kBirthField = 715;
constexpr int kDeathField = 716;
constexpr int kFirstIncomeField = 717;
constexpr int kTfnField = 723;
constexpr int kMaleField = 725;
constexpr int kFemaleField = 726;
constexpr int kExemptionField = 730;
constexpr int kAddressField = 1100;

constexpr int kAnotherSpouseScreen = 7819;

// 1279: -1 a new spouse, -2 a new one asked for by "another spouse".
constexpr int kNoSpouse = -1;
constexpr int kNewSpouse = -2;

// The rows of the form inside the scroll box.
constexpr int kLabelLeft = 10;
constexpr int kEditLeft = 220;
constexpr int kAmountLeft = 470;
constexpr int kRowHeight = 21;

const char* const kNameChars = "A..Z,a..z,0..9,-, ,'";
const char* const kAddressChars = "A..Z,a..z,0..9,-,',&,/,(, ,)";

TEditProps NameProps(int maxLength) {
    return {.MaxLength = maxLength,
            .ValidChars = kNameChars,
            .VarnholtDataType = controls::vtRestrictedNameText};
}
TEditProps DateProps() {
    return {.MaxLength = 10,
            .NumericType = controls::ntDate,
            .ValidChars = "0..9,/",
            .VarnholtDataType = controls::vtDate8};
}
TEditProps AmountProps() {
    return {.MaxLength = 8,
            .NumericType = controls::ntCurrency,
            .ValidChars = "0..9",
            .VarnholtDataType = controls::vtDollar};
}
TEditProps AddressProps(int maxLength) {
    return {.MaxLength = maxLength,
            .NumericType = controls::ntSpecial,
            .ValidChars = kAddressChars,
            .VarnholtDataType = controls::vtAddressText};
}

i::TControlDecl RowLabel(std::string name, int top, std::string caption, int width = 200) {
    return i::Label(std::move(name), 0, {kLabelLeft, top + 2, width, 17},
                    {.Caption = std::move(caption)})
        .In("ScrollBox1");
}

// A label that is also a link to its help topic.
i::TControlDecl LinkLabel(std::string name, QRect bounds, std::string line) {
    return i::Text(std::move(name), bounds,
                   {.Lines = {std::move(line)}, .Color = kScreenColour,
                    .OnScreenTag = i::FillYearTag})
        .In("ScrollBox1");
}

struct TAmount {
    const char* edit;
    const char* line;
};
// The income details 717..722, each label a link to its topic.
constexpr TAmount kAmounts[] = {
    {"TaxEdit7", "<C12;J533>Taxable income<.>"},
    {"TaxEdit8", "<C12;J534>Reportable fringe benefits<.>"},
    {"TaxEdit9", "<C12;J535>Net rental property losses<.>"},
    {"TaxEdit10", "<C12;J536>Tax free pensions and benefits<.>"},
    {"TaxEdit11", "<C12;J537>Target foreign income<.>"},
    {"TaxEdit12", "<C12;J538>Deductible child maintenance expenditure<.>"},
};

struct TNamePart {
    const char* label;
    const char* caption;
    const char* edit;
    int field;
    int width;
    int maxLength;
};
// The first three rows of the form.
constexpr TNamePart kNameParts[] = {
    {"LabelFamily", "Family Name", "TaxEditFamily", kFamilyField, 230, 30},
    {"LabelGiven1", "Given Name", "TaxEditGiven1", kGivenField, 150, 15},
    {"LabelGiven2", "Other Names", "TaxEditGiven2", kOtherField, 230, 30},
};

// The rows of the form, from the top of the scroll box.
constexpr int kFirstRow = 84;
constexpr int kRowStep = 27;
constexpr int Row(int n) { return kFirstRow + n * kRowStep; }
constexpr int kIncomeTop = Row(7) + 8;
constexpr int kFirstAmountRow = kIncomeTop + 44;
constexpr int AmountRow(int n) { return kFirstAmountRow + n * kRowStep; }
constexpr int kAddressTop = AmountRow(6) + 10;
constexpr int AddressRow(int n) { return kAddressTop + 28 + n * kRowStep; }

std::vector<i::TControlDecl> Declaration(const std::function<void()>& calculateName) {
    const auto changed = [calculateName](TCustomNumEdit&) { calculateName(); };
    std::vector<i::TControlDecl> controls;
    auto add = [&controls](i::TControlDecl decl) { controls.push_back(std::move(decl)); };
    add(i::ScrollBox("ScrollBox1", {0, 0, i::kDesignWidth, i::kDesignHeight}));
    add(i::Text("TextLbl1", {kTextLeft, 10, kTextWidth - 20, 51},
                {.Lines = {"<T1>Enter your spouse's details below<.>", "",
                           "Enter one spouse at a time. The spouses you have entered are listed "
                           "on the left,",
                           "where you can also pick one to change it or delete it."},
                 .LineSpacing = 10,
                 .CalculateHeight = true,
                 .Color = kScreenColour,
                 .OnScreenTag = i::FillYearTag})
            .In("ScrollBox1"));

    // The three name parts, each of which recalculates the spouse's name as it changes.
    for (int row = 0; row < static_cast<int>(std::size(kNameParts)); ++row) {
        const TNamePart& part = kNameParts[row];
        add(RowLabel(part.label, Row(row), part.caption));
        TEditProps props = NameProps(part.maxLength);
        props.OnChange = changed;
        add(i::Edit(part.edit, part.field, {kEditLeft, Row(row), part.width, kRowHeight}, props)
                .In("ScrollBox1"));
    }
    add(RowLabel("LabelBirth", Row(3), "Date of birth"));
    add(i::Edit("TaxEdit3", kBirthField, {kEditLeft, Row(3), 90, kRowHeight}, DateProps())
            .In("ScrollBox1"));
    add(RowLabel("LabelSex", Row(4), "Sex"));
    add(i::Radio("RadioButton1", kMaleField, {kEditLeft, Row(4) + 2, 70, 17}, {.Caption = "Male"})
            .In("ScrollBox1"));
    add(i::Radio("RadioButtonFemale", kFemaleField, {kEditLeft + 80, Row(4) + 2, 80, 17},
                 {.Caption = "Female"})
            .In("ScrollBox1"));
    add(LinkLabel("TextLblTfn", {kLabelLeft, Row(5) + 2, 200, 19},
                  "<C12;J531>Tax file number<.>"));
    TEditProps tfn{.NumericType = controls::ntTFN,
                   .Validate = true,
                   .ValidChars = "0..9",
                   .VarnholtDataType = controls::vtInteger};
    tfn.OnChange = changed;
    add(i::Edit("TaxeditTFN", kTfnField, {kEditLeft, Row(5), 100, kRowHeight}, tfn)
            .In("ScrollBox1"));
    add(i::Check("CheckBoxTFNExemption", kExemptionField, {kEditLeft + 120, Row(5) + 2, 17, 17},
                 {.OnClick = [calculateName](QObject*) { calculateName(); }})
            .In("ScrollBox1"));
    add(LinkLabel("TextLblExemption", {kEditLeft + 140, Row(5) + 2, 200, 19},
                  "<C12;J532>TFN exemption claimed<.>"));
    add(RowLabel("LabelDeath", Row(6),
                 "If your spouse died during the year enter the date of death here:", 420));
    add(i::Edit("TaxEdit6", kDeathField, {kAmountLeft, Row(6), 90, kRowHeight}, DateProps())
            .In("ScrollBox1"));

    add(i::Text("TextLblIncome", {kTextLeft, kIncomeTop, kTextWidth - 20, 35},
                {.Lines = {"<T1>Enter your  <C12;J521>spouse's income details<.;T1> below<.>",
                           "<T2>If you do not know your spouse's actual income details you must "
                           "provide a reasonable estimate.<.>"},
                 .CalculateHeight = true,
                 .Color = kScreenColour})
            .In("ScrollBox1"));
    for (int n = 0; n < 6; ++n) {
        add(LinkLabel("TextLblAmount" + std::to_string(n + 1),
                      {kLabelLeft, AmountRow(n) + 2, 400, 19}, kAmounts[n].line));
        add(i::Edit(kAmounts[n].edit, kFirstIncomeField + n,
                    {kAmountLeft, AmountRow(n), 90, kRowHeight}, AmountProps())
                .In("ScrollBox1"));
    }

    add(i::Text("TextLblAddress", {kTextLeft, kAddressTop, kTextWidth - 20, 19},
                {.Lines = {"<T1>Enter your  spouse's postal address below (if known)<.>"},
                 .CalculateHeight = true,
                 .Color = kScreenColour})
            .In("ScrollBox1"));
    add(RowLabel("LabelLine1", AddressRow(0), "Line 1"));
    add(i::Edit("TaxEdit1", kAddressField, {kEditLeft, AddressRow(0), 330, kRowHeight},
                AddressProps(38))
            .In("ScrollBox1"));
    add(RowLabel("LabelLine2", AddressRow(1), "Line 2"));
    add(i::Edit("TaxEdit2", kAddressField + 1, {kEditLeft, AddressRow(1), 330, kRowHeight},
                AddressProps(38))
            .In("ScrollBox1"));
    add(RowLabel("LabelSuburb", AddressRow(2), "Suburb/Town"));
    add(i::Edit("TaxEdit4", kAddressField + 2, {kEditLeft, AddressRow(2), 240, kRowHeight},
                AddressProps(27))
            .In("ScrollBox1"));
    add(RowLabel("LabelState", AddressRow(3), "State"));
    TEditProps state = AddressProps(3);
    state.OnKeyPress = [](TCustomNumEdit& sender, char& key) {
        controls::StateKeyPress(&sender, key);
    };
    add(i::Edit("TaxEdit5", kAddressField + 3, {kEditLeft, AddressRow(3), 50, kRowHeight}, state)
            .In("ScrollBox1"));
    add(i::Label("LabelPostcode", 0, {kEditLeft + 90, AddressRow(3) + 2, 70, 17},
                 {.Caption = "Postcode"})
            .In("ScrollBox1"));
    add(i::Edit("TaxEdit13", kAddressField + 4,
                {kEditLeft + 170, AddressRow(3), 50, kRowHeight},
                {.MaxLength = 4,
                 .NumericType = controls::ntSpecial,
                 .ValidChars = "0..9",
                 .VarnholtDataType = controls::vtInteger})
            .In("ScrollBox1"));
    add(RowLabel("LabelCountry", AddressRow(4), "Country, if not Australia"));
    add(i::Edit("TaxEdit14", kAddressField + 5, {kEditLeft, AddressRow(4), 180, kRowHeight},
                {.MaxLength = 20})
            .In("ScrollBox1"));
    // Last, so that loading it gives the stored name after the names and the TFN have been
    // loaded (each of which calculates a name of its own on the way).
    add(i::Edit("TaxEditCalcedName", kNameField, {kEditLeft, AddressRow(5), 300, kRowHeight})
            .In("ScrollBox1")
            .Hidden());
    return controls;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Digits(const std::string& text) {
    std::string digits;
    for (char c : text)
        if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
    return digits;
}

std::optional<data::Date> DateIn(const TCustomNumEdit& edit) {
    return data::ParseDate(edit.Text());
}

}  // namespace

TQFTB_06::TQFTB_06(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    i::Build(*this, Declaration([this] { Guarded([this] { CalculateName(); }); }));
    family_ = Find<TCustomNumEdit>("TaxEditFamily");
    given_ = Find<TCustomNumEdit>("TaxEditGiven1");
    other_ = Find<TCustomNumEdit>("TaxEditGiven2");
    tfn_ = Find<TCustomNumEdit>("TaxeditTFN");
    calcedName_ = Find<TCustomNumEdit>("TaxEditCalcedName");
    exemption_ = Find<QCheckBox>("CheckBoxTFNExemption");
}

void TQFTB_06::FormCreate() {
    data::FieldStore& store = Store();
    const int spouses = SpouseCount(store);
    int current = controls::ReadStateField(store, controls::kCurrentSpouseField);
    if (current == kNoSpouse && spouses > 0)
        current = 0;
    else if (current == kNewSpouse)
        current = kNoSpouse;
    controls::WriteStateField(store, controls::kCurrentSpouseField, current);
    Frame().ShowActionPanel(true);
    // An index past the spouses entered (only a damaged return holds one) opens a new spouse
    // rather than a worksheet beyond the last, which would leave a gap in the list.
    if (current < 0 || current >= spouses)
        Frame().OpenWorksheetList(data::kSpouseList);
    else
        Frame().OpenWorksheetListAt(data::kSpouseList, current + 1);
}

void TQFTB_06::FormShow(QObject* /*Sender*/) {
    // The worksheet panel packs and leaves the worksheet list when the screen is left.
    RegisterNextYesNo(*this, [this](QObject*) { Run().SetScreen(kAnotherSpouseScreen); });
    RegisterLeaveCheck(*this, [this] { ChildFormClose(); });
}

std::string TQFTB_06::TrimmedTfn() const { return Trimmed(tfn_->Text()); }

void TQFTB_06::CalculateName() {
    const std::string given = given_->Text(), other = other_->Text(),
                      family = family_->Text(), tfn = TrimmedTfn();
    if (given.empty() && other.empty() && family.empty() && tfn.empty()) return;
    const std::string names = given + " " + other + " " + family;
    if (!tfn.empty())
        calcedName_->SetText(names + " (" + tfn + ")");
    else if (exemption_->isChecked())
        calcedName_->SetText(names + " (TFN Exempt)");
}

void TQFTB_06::ChildFormClose() {
    data::FieldStore& store = Store();
    // The exemption box may have changed since the names were typed.
    CalculateName();
    const int worksheet = store.CurrentWorksheet();
    controls::WriteStateField(store, controls::kCurrentSpouseField, worksheet - 1);

    // The tables that name the spouse follow a new name, also on the way back: the worksheet
    // keeps the new name whichever way the screen is left.
    const std::string tfn = TrimmedTfn();
    const bool named = !given_->Text().empty() || !other_->Text().empty() ||
                       !family_->Text().empty() || !tfn.empty();
    if (named) {
        const std::string stored =
            assessment::WorksheetName(store, data::kSpouseList, worksheet - 1);
        if (!stored.empty())
            assessment::RenameSpouseReferences(store, stored, calcedName_->Text());
    } else {
        calcedName_->SetText("");
    }
    if (Frame().BackwardMove()) return;

    if (tfn.empty() && !exemption_->isChecked()) {
        if (interview::ScreenHasData(this, Dialogs())) {
            Run().ScreenValid = false;
            ShowError("You must specify your spouse's tax file number or check TFN exemption.");
        }
        return;
    }
    // The claimant's TFN comes from the host's key source, which may hold blanks: only digits
    // are compared, and only when the spouse has a TFN.
    const std::string spouseDigits = Digits(tfn);
    if (!spouseDigits.empty() && spouseDigits == Digits(store.GetFieldStr(kClaimantTfnField))) {
        Run().ScreenValid = false;
        exemption_->setFocus();
        ShowError("Your spouse's tax file number can not be the same as your tax file number.");
    }
    CheckAnswers();
}

void TQFTB_06::CheckAnswers() {
    interview::TRunState& run = Run();
    platform::Dialogs& dialogs = Dialogs();
    interview::RequireFilled(run, dialogs, *family_,
                             "Please enter the \"Family Name\" for this spouse.", true);
    auto* birth = Find<TCustomNumEdit>("TaxEdit3");
    interview::RequireFilled(run, dialogs, *birth,
                             "Please enter the \"Date of Birth\" for this spouse.", true);
    interview::RequireChoice(run, dialogs, *Find<QRadioButton>("RadioButton1"),
                             *Find<QRadioButton>("RadioButtonFemale"),
                             "Please enter the \"Sex\" of this spouse.", true);
    for (const TAmount& amount : kAmounts)
        interview::RequireFilled(run, dialogs, *Find<TCustomNumEdit>(amount.edit),
                                 "Please fill in all your spouse's income details (enter \"0\" "
                                 "where there was no income or expenditure).",
                                 true);
    const auto refuse = [&](QWidget& focus, const char* message) {
        run.ScreenValid = false;
        focus.setFocus();
        ShowError(message);
    };
    if (run.ScreenValid && !TrimmedTfn().empty() && exemption_->isChecked())
        refuse(*exemption_,
               "There is no need to specify a TFN exemption when you have entered a tax file "
               "number. \rYou should uncheck TFN exemption.");
    if (const auto born = DateIn(*birth); run.ScreenValid && born && *born >= assessment::kYearStart)
        refuse(*birth,
               "Check spouse's date of birth. Date of birth must be before the start of the "
               "income year.");
    auto* death = Find<TCustomNumEdit>("TaxEdit6");
    if (const auto died = DateIn(*death);
        run.ScreenValid && died && (*died < assessment::kYearStart || *died > assessment::kYearEnd))
        refuse(*death,
               "Check spouse's date of death. If your spouse did not die within this income year "
               "leave this field blank.");
}

}  // namespace ftb::screens
