#include "platform/QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

#include "platform/KeyboardFocus.h"
#include "platform/QtText.h"

namespace ftb::platform {
namespace {

QMessageBox::Icon ToQtIcon(DialogIcon icon) {
    switch (icon) {
        case DialogIcon::Error: return QMessageBox::Critical;
        case DialogIcon::Information: return QMessageBox::Information;
        case DialogIcon::Question: return QMessageBox::Question;
        case DialogIcon::Warning: return QMessageBox::Warning;
        case DialogIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonMapping {
    DialogButton ours;
    QMessageBox::StandardButton qt;
};
constexpr ButtonMapping kButtons[] = {
    {dbOK, QMessageBox::Ok},
    {dbCancel, QMessageBox::Cancel},
    {dbYes, QMessageBox::Yes},
    {dbNo, QMessageBox::No},
};

// The answer Escape gives: the way out the box offers.
DialogButton SafeAnswer(DialogButtons buttons) {
    if (buttons & dbCancel) return dbCancel;
    if (buttons & dbNo) return dbNo;
    return dbOK;
}

}  // namespace

QtDialogs::QtDialogs(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}

QWidget* QtDialogs::Parent() const { return parent_ ? parent_() : nullptr; }


DialogButton QtDialogs::Show(const MessageBox& box) {
    const TFocusReturn focus;
    QPointer<QWidget> parent = Parent();
    QMessageBox dialog(ToQtIcon(box.icon), FromWin1252(box.title), BoxText(box.text),
                       QMessageBox::NoButton, parent);
    for (const auto& b : kButtons) {
        if (box.buttons & b.ours) dialog.addButton(b.qt);
    }
    for (const auto& b : kButtons) {
        if (box.defaultButton == b.ours && (box.buttons & b.ours)) dialog.setDefaultButton(b.qt);
    }
    for (const auto& b : kButtons) {
        if (SafeAnswer(box.buttons) == b.ours && (box.buttons & b.ours))
            dialog.setEscapeButton(b.qt);
    }
    int result = dialog.exec();
    focus.Restore(parent);
    for (const auto& b : kButtons) {
        if (result == b.qt) return b.ours;
    }
    // Closed by the window's close button: the way out the box offers.
    return SafeAnswer(box.buttons);
}

std::optional<std::string> QtDialogs::Input(const std::string& title, const std::string& prompt,
                                            const std::string& defaultText) {
    const TFocusReturn focus;
    QPointer<QWidget> parent = Parent();
    QInputDialog dialog(parent);
    dialog.setWindowTitle(FromWin1252(title));
    dialog.setLabelText(BoxText(prompt));
    dialog.setTextValue(FromWin1252(defaultText));
    int result = dialog.exec();
    focus.Restore(parent);
    if (result != QDialog::Accepted) return std::nullopt;
    return ToWin1252(dialog.textValue());
}

}  // namespace ftb::platform
