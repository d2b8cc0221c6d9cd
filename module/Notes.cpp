#include "module/Notes.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBlock>
#include <QVBoxLayout>

#include "platform/Beep.h"
#include "platform/KeyboardFocus.h"
#include "platform/QtText.h"

namespace ftb::module {
namespace {

// The notepad: what the return's texts cannot hold is refused as it is typed or pasted, with the
// alert sound, never stored as something else.
class TNotesMemo : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!platform::IsWin1252Text(event->text())) {
            platform::Beep();
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }
    void inputMethodEvent(QInputMethodEvent* event) override {
        if (!platform::IsWin1252Text(event->commitString())) {
            platform::Beep();
            event->accept();
            return;
        }
        QPlainTextEdit::inputMethodEvent(event);
    }
    void insertFromMimeData(const QMimeData* source) override {
        if (source->hasText() && !platform::IsWin1252Text(source->text())) {
            platform::Beep();
            return;
        }
        QPlainTextEdit::insertFromMimeData(source);
    }
};

constexpr const char* kInstructions =
    "Use the following notepad to jot down anything you want to remember while completing your "
    "tax return.  This will NOT be sent to the Varnholt.";

}  // namespace

TNotesForm::TNotesForm(data::FieldStore& store, platform::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), store_(store), dialogs_(dialogs) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Your Tax Return Notes"));

    auto* instructions = new QLabel(platform::FromWin1252(kInstructions), this);
    instructions->setObjectName(QStringLiteral("InstructionsLabel"));
    instructions->setTextFormat(Qt::PlainText);
    instructions->setWordWrap(true);

    notes_ = new TNotesMemo(this);
    notes_->setObjectName(QStringLiteral("Notes"));

    closeButton_ = new QPushButton(QStringLiteral("&Close"), this);
    closeButton_->setObjectName(QStringLiteral("CloseBtn"));
    closeButton_->setToolTip(QStringLiteral("Leave the notepad"));
    platform::PressOnEnter(*closeButton_);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instructions);
    layout->addWidget(notes_, 1);
    layout->addLayout(buttons);
    resize(420, 320);
}

void TNotesForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window restored from a minimised state keeps what is being typed.
    if (event->spontaneous()) return;
    platform::ReportErrors(dialogs_, [this] { LoadNotes(); });
}

void TNotesForm::closeEvent(QCloseEvent* event) {
    platform::ReportErrors(dialogs_, [this] { SaveNotes(); });
    event->accept();
    platform::ReportErrors(dialogs_, [this] {
        if (OnClosed) OnClosed();
    });
}

void TNotesForm::LoadNotes() {
    if (store_.GetFieldKind(kNotesField) == data::fkTextList) {
        if (!store_.GetFieldLst(kNotesField)) store_.SetFieldLst(kNotesField, {});
        QStringList lines;
        for (const std::string& line : *store_.GetFieldLst(kNotesField))
            lines.append(platform::FromWin1252(line));
        notes_->setPlainText(lines.join(u'\n'));
    }
    notes_->document()->setModified(false);
}

void TNotesForm::SaveNotes() {
    if (notes_->document()->isModified()) store_.SetModified(true);
    if (store_.GetFieldKind(kNotesField) != data::fkTextList)
        store_.SetFieldKind(kNotesField, data::fkTextList);
    store_.SetFieldLst(kNotesField, MemoLines());
}

// The memo's lines as the claimant broke them; a line break at the very end adds no empty line.
data::TextList TNotesForm::MemoLines() const {
    data::TextList lines;
    for (QTextBlock block = notes_->document()->begin(); block.isValid(); block = block.next()) {
        for (const QString& line : block.text().split(QChar::LineSeparator))
            lines.push_back(platform::ToWin1252(line));
    }
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

}  // namespace ftb::module
