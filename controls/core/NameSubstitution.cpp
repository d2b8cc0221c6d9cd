#include "controls/core/NameSubstitution.h"

#include <algorithm>
#include <cctype>

#include "controls/core/StateFields.h"

namespace ftb::controls {
namespace {

constexpr int kNameField = 710;

// The name of worksheet index w of list n; empty when there is no such worksheet or name.
std::string WorksheetName(const data::FieldStore& store, int list, int index) {
    if (index < 0) return {};
    auto value = store.GetWorksheetValue(list, index, kNameField);
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    return {};
}

std::string ReplaceFirst(std::string text, std::string_view placeholder,
                         std::string_view replacement) {
    std::size_t at = text.find(placeholder);
    if (at != std::string::npos) text.replace(at, placeholder.size(), replacement);
    return text;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

int FindByName(const data::FieldStore& store, int list, std::string_view name) {
    const int highest = store.HighestWorksheetNumber(list);
    for (int index = 0; index < highest; ++index) {
        auto value = store.GetWorksheetValue(list, index, kNameField);
        const auto* text = std::get_if<std::string>(&value);
        if (text != nullptr && *text == name) return index;
    }
    return -1;
}

}  // namespace

std::string ReplaceAllIgnoringCase(std::string text, std::string_view placeholder,
                                   std::string_view replacement) {
    if (placeholder.empty()) return text;
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text.size() - pos >= placeholder.size() &&
            EqualIgnoringCase(std::string_view(text).substr(pos, placeholder.size()), placeholder)) {
            out += replacement;
            pos += placeholder.size();
        } else {
            out += text[pos++];
        }
    }
    return out;
}

std::string WithDependantName(std::string caption, const data::FieldStore& store) {
    int index = ReadStateField(store, kCurrentDependantField);
    return ReplaceFirst(std::move(caption), "DName",
                        WorksheetName(store, data::kDependantList, index));
}

std::string WithSpouseName(std::string caption, const data::FieldStore& store) {
    int index = ReadStateField(store, kCurrentSpouseField);
    caption = ReplaceFirst(std::move(caption), "SName", WorksheetName(store, data::kSpouseList, index));
    caption = ReplaceAllIgnoringCase(std::move(caption), "HaveHas", "has");
    return ReplaceAllIgnoringCase(std::move(caption), "WasWere", "was");
}

std::string WithClaimantWording(std::string caption) {
    caption = ReplaceAllIgnoringCase(std::move(caption), "SName", "You");
    caption = ReplaceAllIgnoringCase(std::move(caption), "HaveHas", "have");
    return ReplaceAllIgnoringCase(std::move(caption), "WasWere", "were");
}

int FindDependantByName(const data::FieldStore& store, std::string_view name) {
    return FindByName(store, data::kDependantList, name);
}

int FindSpouseByName(const data::FieldStore& store, std::string_view name) {
    return FindByName(store, data::kSpouseList, name);
}

bool ClearWithConfirmation(data::FieldStore& store, platform::Dialogs& dialogs,
                           const std::vector<int>& fields, std::string caption,
                           std::string_view name, bool useName, std::string message) {
    if (useName) {
        caption = ReplaceAllIgnoringCase(std::move(caption), "XXX", name);
        message = ReplaceAllIgnoringCase(std::move(message), "XXX", name);
    }
    bool allEmpty = std::all_of(fields.begin(), fields.end(),
                                [&](int field) { return store.FieldIsEmpty(field); });
    if (allEmpty) return true;
    if (!dialogs.Warning(caption, message)) return false;
    for (int field : fields) {
        if (!data::FieldStore::IsFieldNumber(field) || store.FieldIsEmpty(field)) continue;
        data::FieldStore::ClearSlot(store.SlotOf(field));
        store.SetModified(true);
    }
    return true;
}

}  // namespace ftb::controls
