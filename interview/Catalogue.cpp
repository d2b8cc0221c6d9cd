#include "interview/Catalogue.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "interview/Child.h"

namespace ftb::interview {

namespace {

constexpr std::array<TScreenEntry, 57> kCatalogue{{
    {7803, "TQFTB_51", "Family Tax Benefit", 542, kInformationMarker},
    {7804, "TQFTB_38", "Family Tax Benefit", 546, kInformationMarker},
    {7805, "TQFTB_02", "Family Tax Benefit", 584, kQuestionMarker},
    {7806, "TQFTB_01", "Family Tax Benefit", 511, kQuestionMarker},
    {7807, "TQFTB_03", "Family Tax Benefit", 504, kQuestionMarker},
    {7808, "TQFTB_27", "Family Tax Benefit", 542, kQuestionMarker},
    {7809, "TQFTB_36", "Family Tax Benefit", 552, kQuestionMarker},
    {7810, "TQFTB_37", "Family Tax Benefit", 552, kFormMarker},
    {7811, "TQFTB_21", "Family Tax Benefit", 524, kFormMarker},
    {7812, "TQFTB_38", "Family Tax Benefit", 546, kInformationMarker},
    {7813, "TQFTB_05", "Family Tax Benefit", 525, kFormMarker},
    {7814, "TQFTB_28", "Family Tax Benefit", 529, kFormMarker},
    {7815, "TQFTB_41", "Family Tax Benefit", 529, kQuestionMarker},
    {7816, "TQFTB_38", "Family Tax Benefit", 546, kInformationMarker},
    {7817, "TQFTB_05a", "Family Tax Benefit", 506, kQuestionMarker},
    {7818, "TQFTB_06", "Family Tax Benefit", 506, kFormMarker},
    {7819, "TQFTB_06a", "Family Tax Benefit", 506, kQuestionMarker},
    {7820, "TQFTB_06b", "Family Tax Benefit", 539, kFormMarker},
    {7821, "TQFTB_08", "Family Tax Benefit", 555, kFormMarker},
    {7822, "TQFTB_38", "Family Tax Benefit", 546, kInformationMarker},
    {7823, "TQFTB_42", "Family Tax Benefit", 544, kQuestionMarker},
    {7824, "TQFTB_43", "Family Tax Benefit", 544, kFormMarker},
    {7825, "TQFTB_58", "Family Tax Benefit", 542, kInformationMarker},
    {7826, "TQFTB_38", "Family Tax Benefit", 546, kInformationMarker},
    {7827, "TQFTB_09", "Family Tax Benefit", 550, kFormMarker},
    {7828, "TQFTB_39", "Family Tax Benefit", 557, kFormMarker},
    {7829, "TQFTB_40", "Family Tax Benefit", 557, kQuestionMarker},
    {7830, "TQFTB_11", "Family Tax Benefit", 522, kFormMarker},
    {7831, "TQFTB_12", "Family Tax Benefit", 522, kInformationMarker},
    {7832, "TQFTB_49", "Family Tax Benefit", 585, kFormMarker},
    {7833, "TQFTB_13_Alternative", "Family Tax Benefit", 569, kFormMarker},
    {7834, "TQFTB_35", "Shared Care and Shared Care Percentage", 570, kFormMarker},
    {7835, "TQFTB_14", "Family Tax Benefit", 571, kFormMarker},
    {7836, "TQFTB_15", "Family Tax Benefit", 550, kQuestionMarker},
    {7837, "TQFTB_38", "Family Tax Benefit", 546, kInformationMarker},
    {7838, "TQFTB_33", "Maintenance Information not Required", 574, kInformationMarker},
    {7839, "TQFTB_32", "Family Tax Benefit", 573, kFormMarker},
    {7840, "TQFTB_34", "Family Tax Benefit", 573, kQuestionMarker},
    {7841, "TQFTB_33", "Maintenance Information not Required", 574, kInformationMarker},
    {7842, "TQFTB_38", "Family Tax Benefit", 546, kInformationMarker},
    {7843, "TQFTB_47", "Family Tax Benefit", 583, kQuestionMarker},
    {7844, "TQFTB_48", "Family Tax Benefit", 583, kQuestionMarker},
    {7845, "TQFTB_30", "Capitalised Spousal Maintenance", 579, kQuestionMarker},
    {7846, "TQFTB_19a", "Family Tax Benefit", 581, kFormMarker},
    {7847, "TQFTB_20", "Non-Capitalised Spousal Maintenance", 582, kFormMarker},
    {7848, "TQFTB_57", "Family Tax Benefit", 583, kQuestionMarker},
    {7849, "TQFTB_38", "Family Tax Benefit", 546, kInformationMarker},
    {7850, "TQFTB_33", "Maintenance Information not Required", 574, kInformationMarker},
    {7851, "TQFTB_45", "Family Tax Benefit", 576, kQuestionMarker},
    {7852, "TQFTB_46", "Family Tax Benefit", 575, kQuestionMarker},
    {7853, "TQFTB_19", "Family Tax Benefit", 577, kFormMarker},
    {7854, "TQFTB_31", "Capitalised Maintenance", 579, kFormMarker},
    {7855, "TQFTB_18", "Capitalised Maintenance", 581, kFormMarker},
    {7856, "TQFTB_17", "Non-Capitalised Maintenance", 582, kFormMarker},
    {7857, "TQFTB_56", "Family Tax Benefit", 576, kQuestionMarker},
    {7858, "TQFTB_38", "Family Tax Benefit", 546, kInformationMarker},
    {7859, "TQFTB_38", "Family Tax Benefit", 546, kInformationMarker},
}};

}  // namespace

std::span<const TScreenEntry> ScreenCatalogue() { return kCatalogue; }

const TScreenEntry* FindScreenEntry(int number) {
    const auto entry = std::lower_bound(
        kCatalogue.begin(), kCatalogue.end(), number,
        [](const TScreenEntry& candidate, int wanted) { return candidate.Number < wanted; });
    return entry != kCatalogue.end() && entry->Number == number ? &*entry : nullptr;
}

void TScreenRegistry::Register(const std::string& className, TScreenFactory factory) {
    factories_.insert_or_assign(className, std::move(factory));
}

bool TScreenRegistry::IsRegistered(const std::string& className) const {
    return factories_.find(className) != factories_.end();
}

std::unique_ptr<TChildForm> TScreenRegistry::CreateScreen(int number,
                                                          TScreenContext& context) const {
    const TScreenEntry* entry = FindScreenEntry(number);
    if (!entry) return nullptr;
    const auto factory = factories_.find(std::string_view(entry->ClassName));
    if (factory == factories_.end() || !factory->second) return nullptr;
    std::unique_ptr<TChildForm> screen = factory->second(context);
    if (!screen) return nullptr;
    screen->Caption = entry->Caption;
    screen->HelpContext = entry->HelpContext;
    screen->VertScrollBarMargin = entry->Marker;
    screen->FormCreate();
    return screen;
}

}  // namespace ftb::interview
