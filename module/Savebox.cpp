#include "module/Savebox.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QValidator>
#include <QVBoxLayout>
#include <algorithm>

#include "interview/LineChoice.h"
#include "platform/Beep.h"
#include "platform/QtText.h"

namespace ftb::module {
namespace {

constexpr qsizetype kMaxNameLength = 36;
constexpr int kClientWidth = 285;
constexpr int kWideClientWidth = 455;
constexpr const char* kBadExtensionMessage = "File extension must be .TAX";
constexpr const char* kInvalidNameMessage = "Invalid filename";
constexpr const char* kOverwriteQuestion = "File exists - Overwrite?";

bool IsAsciiLetterOrDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// The characters a name may be typed with (backspace only removes).
bool IsTypeable(QChar c) {
    const char16_t code = c.unicode();
    return IsAsciiLetterOrDigit(code) || code == u'-' || code == u'.';
}

// The characters a checked name may hold, blanks and "~" among them (they come with a picked or
// an initial name).
bool IsNameCharacter(char c) {
    return IsAsciiLetterOrDigit(static_cast<unsigned char>(c)) || c == ' ' || c == '-' ||
           c == '.' || c == '~';
}

std::string Trimmed(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

struct NameCheck {
    std::string fileName;  // the name in upper case with its extension
    bool invalid = false;
    bool badExtension = false;
};

// The name check of "&Save": the ".TAX" extension (added when missing or when the name ends in a
// point), no leading point and only name characters.
NameCheck CheckFileName(std::string_view typed) {
    NameCheck check;
    std::string name = Trimmed(typed);
    if (name.find('.') == std::string::npos) {
        name += ".tax";
    } else if (name.back() == '.') {
        name += "tax";
    } else if (name.size() <= 4 || AsciiUpper(name).find(".TAX") != name.size() - 4) {
        check.invalid = true;
        check.badExtension = true;
    }
    if (name.front() == '.') check.invalid = true;
    if (!std::all_of(name.begin(), name.end(), IsNameCharacter)) check.invalid = true;
    check.fileName = AsciiUpper(name);
    return check;
}

}  // namespace

// Restricts what the claimant puts into the name edit, by typing, pasting or dropping alike: the
// inserted characters must be "-", ".", digits or letters, a second "." is refused, and the name
// grows to 36 characters at most. Removing is always allowed, and so is any text the edit held
// before (undo, redo), so a name that came with invalid characters can still be corrected.
class TSaveNameValidator : public QValidator {
public:
    explicit TSaveNameValidator(QObject* parent) : QValidator(parent) { Held(QString()); }

    // The edit holds `text` now.
    void Held(const QString& text) {
        current_ = text;
        held_.insert(text);
    }

    State validate(QString& input, int&) const override {
        if (held_.contains(input) || AcceptsChange(input)) return Acceptable;
        platform::Beep();
        return Invalid;
    }

private:
    bool AcceptsChange(const QString& changed) const {
        if (changed.size() > kMaxNameLength && changed.size() > current_.size()) return false;
        // The inserted characters stand between the parts both texts share at either end.
        const qsizetype shorter = std::min(current_.size(), changed.size());
        qsizetype prefix = 0;
        while (prefix < shorter && current_[prefix] == changed[prefix]) ++prefix;
        qsizetype suffix = 0;
        while (suffix < shorter - prefix &&
               current_[current_.size() - 1 - suffix] == changed[changed.size() - 1 - suffix])
            ++suffix;
        const QStringView inserted =
            QStringView(changed).mid(prefix, changed.size() - prefix - suffix);
        if (!std::all_of(inserted.begin(), inserted.end(), IsTypeable)) return false;
        const qsizetype points = inserted.count(u'.');
        return points == 0 || (points == 1 && !current_.contains(u'.'));
    }

    QString current_;
    QSet<QString> held_;
};

TfrmSaveBox::TfrmSaveBox(platform::Dialogs& dialogs, QWidget* parent, const QString& directory)
    : QDialog(parent), dialogs_(dialogs), directory_(QDir(directory).absolutePath()) {
    BuildControls();
    FillLists();
}

void TfrmSaveBox::BuildControls() {
    setWindowTitle(QStringLiteral("Save File"));
    setModal(true);

    auto* dirCaption = new QLabel(QStringLiteral("Current directory:"), this);
    dirLabel_ = new QLabel(QStringLiteral("<None>"), this);
    dirLabel_->setObjectName(QStringLiteral("DirLabel"));
    dirLabel_->setTextFormat(Qt::PlainText);
    // A long directory must not widen the dialog.
    dirLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("FileEdit"));
    nameValidator_ = new TSaveNameValidator(nameEdit_);
    nameEdit_->setValidator(nameValidator_);
    connect(nameEdit_, &QLineEdit::textChanged, this,
            [this] { nameValidator_->Held(nameEdit_->text()); });
    auto* nameCaption = new QLabel(QStringLiteral("File &name:"), this);
    nameCaption->setBuddy(nameEdit_);

    fileList_ = new QListWidget(this);
    fileList_->setObjectName(QStringLiteral("FileList"));
    // Only a pick puts a name in the edit; the list taking the focus does not.
    connect(fileList_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> picked = fileList_->selectedItems();
        if (!picked.isEmpty()) SetName(picked.front()->text());
    });
    // The arrows pick a file as a click does; Enter presses "&Save", as a double click does.
    connect(fileList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { SetName(item->text()); });
    connect(fileList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        SetName(item->text());
        SaveClick();
    });

    dirList_ = new QListWidget(this);
    dirList_->setObjectName(QStringLiteral("DirList"));
    // A click marks a directory; a double click or Enter opens it (Enter does not press "&Save").
    interview::ChooseLines(*dirList_, interview::TChooseBy::DoubleClick,
                           [this](const QModelIndex& line) {
                               DirListActivated(dirList_->item(line.row()));
                           });

    saveButton_ = new QPushButton(QStringLiteral("&Save"), this);
    saveButton_->setObjectName(QStringLiteral("SaveBtn"));
    saveButton_->setDefault(true);
    connect(saveButton_, &QPushButton::clicked, this, [this] { SaveClick(); });
    cancelButton_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("CancelBtn"));
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    changeDirButton_ = new QPushButton(QStringLiteral("Change &Dir"), this);
    changeDirButton_->setObjectName(QStringLiteral("ChangeDirBtn"));
    changeDirButton_->hide();
    connect(changeDirButton_, &QPushButton::clicked, this,
            [this] { resize(kWideClientWidth, height()); });

    auto* dirLine = new QHBoxLayout;
    dirLine->addWidget(dirCaption);
    dirLine->addWidget(dirLabel_, 1);

    auto* fileColumn = new QVBoxLayout;
    fileColumn->addWidget(nameCaption);
    fileColumn->addWidget(nameEdit_);
    fileColumn->addWidget(fileList_, 1);
    auto* lists = new QHBoxLayout;
    lists->addLayout(fileColumn, 1);
    lists->addWidget(dirList_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(changeDirButton_);
    buttons->addWidget(saveButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dirLine);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    setTabOrder(nameEdit_, fileList_);
    setTabOrder(fileList_, dirList_);
    setTabOrder(dirList_, saveButton_);
    setTabOrder(saveButton_, cancelButton_);
    resize(kClientWidth, 260);
}

std::optional<std::string> TfrmSaveBox::Execute(const std::string& initialName) {
    chosenPath_.clear();
    FillLists();  // files may have come or gone since the dialog was last shown
    SetName(QFile::decodeName(QByteArray::fromStdString(initialName)));
    nameEdit_->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return chosenPath_;
}

void TfrmSaveBox::SaveClick() {
    platform::ReportErrors(dialogs_, [this] {
        const std::optional<QString> file = CheckName();
        if (!file) {
            dialogs_.WarningBox(badExtension_ ? kBadExtensionMessage : kInvalidNameMessage);
            return;
        }
        if (QFileInfo::exists(*file) && !dialogs_.Confirm(kOverwriteQuestion)) return;
        accept();
    });
}

std::optional<QString> TfrmSaveBox::CheckName() {
    const NameCheck check = CheckFileName(platform::ToWin1252(nameEdit_->text()));
    invalidName_ = check.invalid;
    badExtension_ = check.badExtension;
    chosenPath_.clear();
    if (check.invalid) return std::nullopt;
    // The directory stays as it is: only a new file name is put in upper case; a file that
    // exists under the name in another letter case is that file.
    const QString file = QDir(directory_).filePath(ExistingSpelling(
        QDir(directory_), platform::FromWin1252(check.fileName)));
    chosenPath_ = QFile::encodeName(file).toStdString();  // a native path, as files are opened
    return file;
}

QString TfrmSaveBox::ExistingSpelling(const QDir& directory, const QString& upperName) {
    if (directory.exists(upperName)) return upperName;
    const QStringList files = directory.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& file : files)
        if (file.compare(upperName, Qt::CaseInsensitive) == 0) return file;
    return upperName;
}

void TfrmSaveBox::SetName(const QString& name) {
    // A name the dialog puts in the edit is taken as it is, whatever its characters.
    nameValidator_->Held(name);
    nameEdit_->setText(name);
}

void TfrmSaveBox::ChangeDirectory(const QString& name) {
    QDir dir(directory_);
    if (!dir.cd(name)) {
        platform::Beep();  // gone since it was listed
        FillLists();
        return;
    }
    directory_ = dir.absolutePath();
    FillLists();
}

void TfrmSaveBox::DirListActivated(QListWidgetItem* item) {
    platform::ReportErrors(dialogs_, [&] {
        if (item) ChangeDirectory(item->text());
    });
}

void TfrmSaveBox::FillLists() {
    dirLabel_->setText(QDir::toNativeSeparators(directory_));
    QDir dir(directory_);

    dirList_->clear();
    if (!dir.isRoot()) dirList_->addItem(QStringLiteral(".."));
    dirList_->addItems(
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));

    // Name filters match in any letter case: "return.tax" is listed as well as "RETURN.TAX".
    dir.setNameFilters({QStringLiteral("*.tax")});
    fileList_->clear();
    fileList_->addItems(dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

}  // namespace ftb::module
