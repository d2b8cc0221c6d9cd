#pragma once
// TfrmSaveBox, the modal dialog in which "Save" chooses the name of the tax-return file: it lists
// the ".tax" files of a directory, lets the claimant change the directory and type a name of
// restricted characters, insists on the ".TAX" extension and asks before an existing file is
// overwritten. The chosen path is the directory as it stands with the file name in upper case.
#include <QDialog>
#include <QDir>
#include <QString>
#include <optional>
#include <string>

#include "platform/Dialogs.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace ftb::module {

class TSaveNameValidator;

class TfrmSaveBox : public QDialog {
    Q_OBJECT

public:
    // Every message box goes through `dialogs`; the dialog starts in `directory`.
    explicit TfrmSaveBox(platform::Dialogs& dialogs, QWidget* parent = nullptr,
                         const QString& directory = QDir::currentPath());

    // Shows the dialog modally with `initialName` (a file name as the file system spells it) in
    // the name edit; the chosen full path, native like every path the files are opened with, when
    // the claimant confirms; nothing when the dialog is cancelled.
    std::optional<std::string> Execute(const std::string& initialName);

    // The "&Save" button: checks the name, asks before overwriting and confirms the dialog.
    void SaveClick();

    // The path the last accepted name check chose; empty while no name passed it.
    const std::string& ChosenPath() const { return chosenPath_; }
    // Results of the last name check.
    bool InvalidName() const { return invalidName_; }
    bool BadExtension() const { return badExtension_; }

    // The directory whose files are listed, as it stands on the disk.
    const QString& Directory() const { return directory_; }

private:
    void BuildControls();
    void FillLists();
    // The name of the file in `directory` that `upperName` names in any letter case, else
    // `upperName` itself.
    static QString ExistingSpelling(const QDir& directory, const QString& upperName);
    void SetName(const QString& name);
    // Runs the name check on the edit's text; the chosen file when the name is valid.
    std::optional<QString> CheckName();
    // Opens a directory of the directory list (a name, or ".." for the one above).
    void ChangeDirectory(const QString& name);
    void DirListActivated(QListWidgetItem* item);

    platform::Dialogs& dialogs_;
    QString directory_;
    std::string chosenPath_;
    bool invalidName_ = false;
    bool badExtension_ = false;

    QLabel* dirLabel_ = nullptr;
    QListWidget* dirList_ = nullptr;
    QListWidget* fileList_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    TSaveNameValidator* nameValidator_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* changeDirButton_ = nullptr;
};

}  // namespace ftb::module
