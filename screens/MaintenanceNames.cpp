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

std::vector<std::string> NameListLines(const data::TextList& names) {
    std::vector<std::string> lines = {NameLine("you")};
    for (const std::string& name : names) lines.push_back(NameLine(name));
    return lines;
}

data::TextList SpousesAndRelevantDependants(const data::FieldStore& store,
                                            platform::Dialogs& dialogs) {
    data::TextList names = SpouseDisplayNames(store);
    data::TextList relevant;
    assessment::MaintenanceRelevantDependants(store, dialogs, relevant);
    // Each line is "index=name".
    for (const std::string& line : relevant) {
        const std::size_t equals = line.find('=');
        names.push_back(equals == std::string::npos ? line : line.substr(equals + 1));
    }
    return names;
}

std::vector<std::string> WithNameList(const std::vector<std::string>& lines,
                                      std::string_view placeholder, const data::TextList& names) {
    std::vector<std::string> result;
    for (const std::string& line : lines) {
        if (line != placeholder) {
            result.push_back(line);
            continue;
        }
        for (std::string& nameLine : NameListLines(names)) result.push_back(std::move(nameLine));
    }
    return result;
}

}  // namespace ftb::screens
