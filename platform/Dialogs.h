#pragma once
// The one interface through which every modal box of the module is shown. Plain C++ so that the
// return data and the assessment can ask their questions without knowing how a box is drawn; the
// Qt implementation lives in platform/, a scripted one answers the boxes in tests.
#include <exception>
#include <optional>
#include <string>
#include <utility>

namespace ftb::platform {

enum class DialogIcon { None, Error, Information, Question, Warning };

// Buttons a box offers (a set) and the button that closed it.
enum DialogButton : unsigned {
    dbNone = 0,
    dbOK = 1u << 0,
    dbCancel = 1u << 1,
    dbYes = 1u << 2,
    dbNo = 1u << 3,
};
using DialogButtons = unsigned;

struct MessageBox {
    std::string title;  // Windows-1252 text
    std::string text;   // Windows-1252 text; CR LF is one line break, a lone CR or LF one each
    DialogIcon icon = DialogIcon::None;
    DialogButtons buttons = dbOK;
    DialogButton defaultButton = dbOK;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows a modal box and returns the button that closed it.
    virtual DialogButton Show(const MessageBox& box) = 0;

    // The input box: the typed text, or nothing when it was cancelled.
    virtual std::optional<std::string> Input(const std::string& title, const std::string& prompt,
                                             const std::string& defaultText) = 0;

    // The boxes every part of the module uses.
    void Error(const std::string& text) {
        Show({"Error", text, DialogIcon::Error, dbOK, dbOK});
    }
    void Information(const std::string& text) {
        Show({"Information", text, DialogIcon::Information, dbOK, dbOK});
    }
    bool Question(const std::string& text) {
        return Show({"Question", text, DialogIcon::Question, dbYes | dbNo, dbYes}) == dbYes;
    }
    // A warning with its own caption; No is the default button.
    bool Warning(const std::string& title, const std::string& text) {
        return Show({title, text, DialogIcon::Warning, dbYes | dbNo, dbNo}) == dbYes;
    }
    bool Confirm(const std::string& text) {
        return Show({"Confirm", text, DialogIcon::Question, dbYes | dbNo, dbYes}) == dbYes;
    }
    void WarningBox(const std::string& text) {
        Show({"Warning", text, DialogIcon::Warning, dbOK, dbOK});
    }
    void Plain(const std::string& title, const std::string& text) {
        Show({title, text, DialogIcon::None, dbOK, dbOK});
    }
    bool OkCancel(const std::string& title, const std::string& text) {
        return Show({title, text, DialogIcon::Question, dbOK | dbCancel, dbOK}) == dbOK;
    }
};

// Runs an event handler so that no exception leaves it: the message of an error is shown in an
// error box instead of unwinding into the event loop. Every slot, event, timer and message
// handler of the module runs its work through this.
template <typename Action>
void ReportErrors(Dialogs& dialogs, Action&& action) noexcept {
    auto show = [&dialogs](const std::string& message) noexcept {
        try {
            dialogs.Error(message);
        } catch (...) {
            // Nothing is left to report a failing error box with.
        }
    };
    try {
        std::forward<Action>(action)();
    } catch (const std::exception& error) {
        show(error.what());
    } catch (...) {
        show("Unexpected error");
    }
}

}  // namespace ftb::platform
