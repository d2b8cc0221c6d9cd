#include "screens/PayerList.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "interview/ScreenHelpers.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

bool IsBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

constexpr int kButtonLeft = 500;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 25;

}  // namespace

data::TextList PayerNames(const data::FieldStore& store) {
    data::TextList names;
    if (const data::TextList* list = store.GetFieldLst(interview::kPayerListField))
        std::copy_if(list->begin(), list->end(), std::back_inserter(names),
                     [](const std::string& name) { return !IsBlank(name); });
    return names;
}

void AddPayer(data::FieldStore& store, platform::Dialogs& dialogs) {
    const std::optional<std::string> name =
        dialogs.Input("Add Maintenance Payer", "Enter the name of the new payer below:", "");
    if (!name || name->empty()) return;
    data::TextList names;
    if (const data::TextList* list = store.GetFieldLst(interview::kPayerListField)) names = *list;
    names.push_back(*name);
    store.SetFieldLst(interview::kPayerListField, std::move(names));
    interview::SortPayerList(store);
}

std::vector<interview::TControlDecl> AddPayerControls(int top, std::function<void()> onClick) {
    return {
        interview::Text("TextLblAddPayer", {kTextLeft, top, kButtonLeft - 2 * kTextLeft, 35},
                        {.Lines = {"Click this button if you have forgotten to add a payer",
                                   "and need to add them now:"},
                         .Color = kScreenColour}),
        interview::Button("BtnAddPayer", {kButtonLeft, top + 4, kButtonWidth, kButtonHeight},
                          {.Caption = "&Add Payer",
                           .OnClick = [onClick = std::move(onClick)](QObject*) { onClick(); }}),
    };
}

}  // namespace ftb::screens
