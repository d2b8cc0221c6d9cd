#include "platform/HelpFile.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace ftb::platform {
namespace {

// "# 542 Title" → context 542 and its title; false for any other line.
bool ParseTopicLine(std::string_view line, int& context, std::string& title) {
    if (line.size() < 3 || line[0] != '#' || line[1] != ' ') return false;
    const char* begin = line.data() + 2;
    const char* end = line.data() + line.size();
    auto [rest, error] = std::from_chars(begin, end, context);
    if (error != std::errc() || rest == begin) return false;
    while (rest != end && *rest == ' ') ++rest;
    title.assign(rest, end);
    return true;
}

}  // namespace

HelpFile HelpFile::Parse(std::string_view content) {
    HelpFile file;
    HelpTopic* current = nullptr;
    std::size_t pos = 0;
    while (pos <= content.size()) {
        std::size_t eol = content.find('\n', pos);
        if (eol == std::string_view::npos) eol = content.size();
        std::string_view line = content.substr(pos, eol - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        int context = 0;
        std::string title;
        if (ParseTopicLine(line, context, title)) {
            current = &file.topics_[context];
            *current = HelpTopic{context, title, {}};
        } else if (current != nullptr) {
            current->text.append(line).append("\n");
        }
        pos = eol + 1;
    }
    for (auto& [context, topic] : file.topics_) {
        while (!topic.text.empty() && (topic.text.back() == '\n' || topic.text.back() == ' ')) {
            topic.text.pop_back();
        }
        std::size_t first = topic.text.find_first_not_of("\n ");
        topic.text.erase(0, first == std::string::npos ? topic.text.size() : first);
    }
    return file;
}

HelpFile HelpFile::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream content;
    content << in.rdbuf();
    return Parse(content.str());
}

const HelpTopic* HelpFile::Find(int context) const {
    auto it = topics_.find(context);
    return it == topics_.end() ? nullptr : &it->second;
}

}  // namespace ftb::platform
