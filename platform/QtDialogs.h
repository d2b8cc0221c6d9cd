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
    // After a box the focus goes back to the control that had it and its window is active
    // again, which nothing else does on platforms without a window manager.
    QWidget* Parent() const;

    std::function<QWidget*()> parent_;
};

}  // namespace ftb::platform
