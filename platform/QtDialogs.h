#pragma once
// The message boxes and the input box of the module, shown as modal Qt dialogs.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/Dialogs.h"

namespace ftb::platform {

class QtDialogs : public Dialogs {
public:
    // `parent` names the window a box belongs to at the moment it is shown (may give null).
    explicit QtDialogs(std::function<QWidget*()> parent = {});

    DialogButton Show(const MessageBox& box) override;
    std::optional<std::string> Input(const std::string& title, const std::string& prompt,
                                     const std::string& defaultText) override;

private:
    QWidget* Parent() const;
    // Gives the focus back to the box's parent window, which nothing else does on platforms
    // without a window manager, so the control that took the focus back really has it.
    static void Reactivate(QWidget* parent);

    std::function<QWidget*()> parent_;
};

}  // namespace ftb::platform
