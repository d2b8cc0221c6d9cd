#pragma once
// TNotesForm, the claimant's notepad: a memo whose lines are kept in field 399 as a text list, so
// they are saved with the return. The lines are read when the window is shown and written back
// when it is closed; closing destroys the window.
#include <QWidget>
#include <functional>

#include "data/FieldStore.h"
#include "platform/Dialogs.h"

class QCloseEvent;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;

namespace ftb::module {

// The field that holds the notes.
inline constexpr int kNotesField = 399;

class TNotesForm : public QWidget {
    Q_OBJECT

public:
    // The notes live in `store`; errors of the window's handlers are shown through `dialogs`.
    TNotesForm(data::FieldStore& store, platform::Dialogs& dialogs, QWidget* parent = nullptr);

    // Raised when the window has written its lines back and is about to be destroyed (the main
    // window then knows its notepad is gone).
    std::function<void()> OnClosed;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void LoadNotes();
    void SaveNotes();
    data::TextList MemoLines() const;

    data::FieldStore& store_;
    platform::Dialogs& dialogs_;
    QPlainTextEdit* notes_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace ftb::module
