#pragma once
// A Dialogs that shows nothing: it records every box and answers from a queue (default: the
// box's default button). Used by the command-line tools and by tests of the layers without Qt.
#include <deque>
#include <vector>

#include "platform/Dialogs.h"

namespace ftb::platform {

class RecordingDialogs : public Dialogs {
public:
    std::vector<MessageBox> shown;
    std::deque<DialogButton> answers;
    std::deque<std::optional<std::string>> inputs;

    DialogButton Show(const MessageBox& box) override {
        shown.push_back(box);
        if (answers.empty()) return box.defaultButton;
        DialogButton answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<std::string> Input(const std::string& title, const std::string& prompt,
                                     const std::string& defaultText) override {
        shown.push_back({title, prompt, DialogIcon::None, dbOK | dbCancel, dbOK});
        if (inputs.empty()) return defaultText;
        auto answer = inputs.front();
        inputs.pop_front();
        return answer;
    }
};

}  // namespace ftb::platform
