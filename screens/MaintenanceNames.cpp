#include "screens/MaintenanceNames.h"

#include <utility>

#include "assessment/FamilyTests.h"
#include "screens/SpouseNames.h"

namespace ftb::screens {

namespace {

constexpr char kBullet = '\x95';

std::string NameLine(std::string name) {
    std::erase_if(name, [](char c) { return c == '<' || c == '>'; });
    return std::string("<C10;T1>  ") + kBullet + "   " + name + "<.>";
}

}  // namespace

std::vector<std::string> NameListLines(const data::TextList& names, bool withYou) {
    std::vector<std::string> lines;
    if (withYou) lines.push_back(NameLine("you"));
    for (const std::string& name : names) lines.push_back(NameLine(name));
    return lines;
}

std::vector<TRelevantDependant> RelevantDependants(const data::FieldStore& store,
                                                   platform::Dialogs& dialogs) {
    data::TextList lines;
    assessment::MaintenanceRelevantDependants(store, dialogs, lines);
    std::vector<TRelevantDependant> dependants;
    // Each line is "index=name".
    for (const std::string& line : lines) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        dependants.push_back({std::stoi(line.substr(0, equals)), line.substr(equals + 1)});
    }
    return dependants;
}

data::TextList SpousesAndRelevantDependants(const data::FieldStore& store,
                                            platform::Dialogs& dialogs) {
    data::TextList names = SpouseDisplayNames(store);
    for (TRelevantDependant& dependant : RelevantDependants(store, dialogs))
        names.push_back(std::move(dependant.name));
    return names;
}

std::vector<std::string> WithNameList(const std::vector<std::string>& lines,
                                      std::string_view placeholder, const data::TextList& names,
                                      bool withYou) {
    std::vector<std::string> result;
    for (const std::string& line : lines) {
        if (line != placeholder) {
            result.push_back(line);
            continue;
        }
        for (std::string& nameLine : NameListLines(names, withYou)) result.push_back(std::move(nameLine));
    }
    return result;
}

}  // namespace ftb::screens
