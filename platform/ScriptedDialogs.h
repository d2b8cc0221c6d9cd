#pragma once
// A Dialogs for tests: it is given the boxes it must see, in order, with the answers to give.
// A box nobody expected, or one whose title or text differs, is a failure reported at once with
// the full title and text; `Unmet()` lists the expected boxes that never came.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace ftb::platform {

class ScriptedDialogs : public Dialogs {
public:
    struct Expected {
        std::string title;
        std::string text;
        DialogButton answer = dbOK;
        bool isInput = false;
        std::optional<std::string> inputAnswer;  // for an input box: nothing = cancelled
    };

    // Called with a description of every failure; tests make it a test failure.
    std::function<void(const std::string&)> onFailure;
    std::vector<MessageBox> shown;

    ScriptedDialogs& Expect(std::string title, std::string text, DialogButton answer = dbOK) {
        expected_.push_back({std::move(title), std::move(text), answer, false, std::nullopt});
        return *this;
    }
    ScriptedDialogs& ExpectInput(std::string title, std::string prompt,
                                 std::optional<std::string> answer) {
        expected_.push_back({std::move(title), std::move(prompt), dbOK, true, std::move(answer)});
        return *this;
    }

    DialogButton Show(const MessageBox& box) override {
        shown.push_back(box);
        const Expected* next = Match(box.title, box.text, false);
        return next ? Take().answer : box.defaultButton;
    }

    std::optional<std::string> Input(const std::string& title, const std::string& prompt,
                                     const std::string& defaultText) override {
        shown.push_back({title, prompt, DialogIcon::None, dbOK | dbCancel, dbOK});
        const Expected* next = Match(title, prompt, true);
        return next ? Take().inputAnswer : std::optional<std::string>(defaultText);
    }

    // The expected boxes that have not come, each described in full.
    std::vector<std::string> Unmet() const {
        std::vector<std::string> unmet;
        for (const auto& e : expected_) unmet.push_back(Describe("expected box never came", e.title, e.text));
        return unmet;
    }
    bool AllShown() const { return expected_.empty(); }
    void Clear() {
        expected_.clear();
        shown.clear();
    }

private:
    static std::string Describe(const char* what, const std::string& title,
                                const std::string& text) {
        return std::string(what) + ": title \"" + title + "\", text \"" + text + "\"";
    }

    const Expected* Match(const std::string& title, const std::string& text, bool isInput) {
        if (expected_.empty()) {
            Fail(Describe("unexpected box", title, text));
            return nullptr;
        }
        const Expected& next = expected_.front();
        if (next.title != title || next.text != text || next.isInput != isInput) {
            Fail(Describe("unexpected box", title, text) + "; " +
                 Describe("the next expected box is", next.title, next.text));
            expected_.pop_front();
            return nullptr;
        }
        return &next;
    }

    Expected Take() {
        Expected next = std::move(expected_.front());
        expected_.pop_front();
        return next;
    }

    void Fail(const std::string& message) {
        failures_.push_back(message);
        if (onFailure) onFailure(message);
    }

public:
    const std::vector<std::string>& Failures() const { return failures_; }

private:
    std::deque<Expected> expected_;
    std::vector<std::string> failures_;
};

}  // namespace ftb::platform
