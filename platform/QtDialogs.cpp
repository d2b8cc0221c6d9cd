#include "platform/QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

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

}  // namespace

QtDialogs::QtDialogs(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}

QWidget* QtDialogs::Parent() const { return parent_ ? parent_() : nullptr; }

void QtDialogs::Reactivate(QWidget* parent) {
    if (parent == nullptr) return;
    QWidget* window = parent->window();
    if (window->isVisible()) window->activateWindow();
}

DialogButton QtDialogs::Show(const MessageBox& box) {
    QPointer<QWidget> parent = Parent();
    QMessageBox dialog(ToQtIcon(box.icon), FromWin1252(box.title), BoxText(box.text),
                       QMessageBox::NoButton, parent);
    for (const auto& b : kButtons) {
        if (box.buttons & b.ours) dialog.addButton(b.qt);
    }
    for (const auto& b : kButtons) {
        if (box.defaultButton == b.ours && (box.buttons & b.ours)) dialog.setDefaultButton(b.qt);
    }
    int result = dialog.exec();
    Reactivate(parent);
    for (const auto& b : kButtons) {
        if (result == b.qt) return b.ours;
    }
    // Closed by the window's close button or Esc: the way out the box offers.
    if (box.buttons & dbCancel) return dbCancel;
    if (box.buttons & dbNo) return dbNo;
    return dbOK;
}

std::optional<std::string> QtDialogs::Input(const std::string& title, const std::string& prompt,
                                            const std::string& defaultText) {
    QPointer<QWidget> parent = Parent();
    QInputDialog dialog(parent);
    dialog.setWindowTitle(FromWin1252(title));
    dialog.setLabelText(BoxText(prompt));
    dialog.setTextValue(FromWin1252(defaultText));
    int result = dialog.exec();
    Reactivate(parent);
    if (result != QDialog::Accepted) return std::nullopt;
    return ToWin1252(dialog.textValue());
}

}  // namespace ftb::platform
