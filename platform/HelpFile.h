#pragma once
// The module's help file: a text file of topics. A line "# <number> <title>" starts the topic
// of that context number; the lines up to the next such line are its text (Windows-1252, blank
// lines separate paragraphs). Lines before the first topic describe the file and are skipped.
#include <map>
#include <string>
#include <string_view>

namespace ftb::platform {

struct HelpTopic {
    int context = 0;
    std::string title;
    std::string text;
};

class HelpFile {
public:
    static HelpFile Parse(std::string_view content);
    // An unreadable or missing file gives a help file without topics.
    static HelpFile Load(const std::string& path);

    const HelpTopic* Find(int context) const;
    const std::map<int, HelpTopic>& Topics() const { return topics_; }

private:
    std::map<int, HelpTopic> topics_;
};

}  // namespace ftb::platform
