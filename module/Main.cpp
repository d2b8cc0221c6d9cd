#include "module/Main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

#include "interview/Child.h"
#include "interview/Intrview.h"
#include "module/Notes.h"
#include "module/Run.h"
#include "module/Savebox.h"
#include "platform/Calculator.h"
#include "platform/KeyboardFocus.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

namespace ftb::module {
namespace {

constexpr int kFirstTickMs = 2000;
constexpr int kAutosaveTickMs = 60000;
// The autosave waits for more ticks than this after the previous one.
constexpr int kTicksBeforeAutosave = 4;
constexpr int kMinimumWidth = 500;
constexpr int kMinimumHeight = 400;

// Paths are native byte strings, and the save dialog takes and gives them as such.
QString PathText(const std::string& path) { return QFile::decodeName(path.c_str()); }
std::string NamePart(const std::string& path) {
    return QFile::encodeName(QFileInfo(PathText(path)).fileName()).toStdString();
}

}  // namespace

TMainForm::TMainForm(TModuleRun& run) : QMainWindow(nullptr), run_(run) {
    setObjectName(QStringLiteral("MainForm"));
    // The host's application must not end because the module's window closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The bar stays where it is: no menu for hiding it.
    setContextMenuPolicy(Qt::NoContextMenu);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    const std::string& readCaption = run_.File().Caption();
    setWindowTitle(readCaption.empty() ? QStringLiteral("Ledgra'2002") : PathText(readCaption));

    speedPanel_ = new QToolBar(this);
    speedPanel_->setObjectName(QStringLiteral("SpeedPanel"));
    speedPanel_->setMovable(false);
    speedPanel_->setFloatable(false);
    speedPanel_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    addToolBar(Qt::TopToolBarArea, speedPanel_);
    AddButton("NewBtn", "New", "Start a new tax return", nullptr)->setEnabled(false);
    AddButton("OpenBtn", "Open", "Open a tax return", nullptr)->setEnabled(false);
    AddButton("SaveBtn", "Save", "Save your tax return", &TMainForm::SaveBtnClick);
    AddButton("InterviewBtn", "View Tax Return", "View your tax return", nullptr)
        ->setEnabled(false);
    speedPanel_->addSeparator();
    AddButton("HelpBtn", "Help",
              "Click on this button to display Ledgra's Table of Contents (Help).",
              &TMainForm::HelpBtnClick);
    calculBtn_ = AddButton("CalculBtn", "Calculator",
                           "Click on this button to use the standard Windows Calculator.",
                           &TMainForm::CalculBtnClick);
    AddButton("NotesBtn", "Notes",
              "Clicking on this button will allow you to compose your own notes for your tax "
              "return (use this feature as a handy jotter).",
              &TMainForm::NotesBtnClick);

    // The frame keeps its design size, below the bar, until the first layout.
    frame_ = new interview::TFrameWnd(
        this, interview::TFrameServices{run_.Store(), run_.Dialogs(), run_.Interview(),
                                        run_.Screens(), run_.Help(), *this});
    frame_->move(0, speedPanel_->sizeHint().height() + 1);
    resize(frame_->width(), frame_->y() + frame_->height());

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kFirstTickMs);
    connect(timer1_, &QTimer::timeout, this, [this] { Timer1Timer(); });

    run_.Store().SetModified(false);
    run_.File().SetCurrentPath({});
}

TMainForm::~TMainForm() = default;

interview::TFrameWnd* TMainForm::Frame() const { return frame_; }

TNotesForm* TMainForm::NotesForm() const { return notes_; }

template <typename Action>
void TMainForm::Guarded(Action&& action) noexcept {
    platform::ReportErrors(run_.Dialogs(), std::forward<Action>(action));
}

QToolButton* TMainForm::AddButton(const char* name, const char* caption, const char* hint,
                                  void (TMainForm::*handler)()) {
    auto* button = new QToolButton(speedPanel_);
    button->setObjectName(QLatin1String(name));
    button->setText(platform::FromWin1252(caption));
    button->setToolTip(platform::FromWin1252(hint));
    button->setAccessibleDescription(platform::FromWin1252(hint));
    platform::PressOnEnter(*button);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    speedPanel_->addWidget(button);
    if (handler != nullptr) connect(button, &QToolButton::clicked, this, handler);
    return button;
}

// --- The interview frame's questions -----------------------------------------------------

bool TMainForm::CloseQuery() {
    if (!run_.Interview().ScreenShown) return true;
    run_.Dialogs().WarningBox(kMustCompleteText);
    return false;
}

void TMainForm::CloseHandler(QObject* Sender) {
    const QObject* closeButton = frame_ ? frame_->BtnCancel() : nullptr;
    const bool closed = Sender == this || (closeButton != nullptr && Sender == closeButton);
    run_.PostToHost(closed ? platform::kCloseMessage : platform::kLeaveMessage);
}

void TMainForm::RequestLayout() { LayoutFrame(); }

// --- Layout --------------------------------------------------------------------------------

void TMainForm::LayoutFrame() {
    if (!frame_) return;
    const int barBottom = speedPanel_->geometry().bottom() + 1;
    frame_->setGeometry(0, barBottom + 1, width(), std::max(0, height() - barBottom - 1));
}

void TMainForm::PlaceWindow(const QRect& bounds, bool maximised, bool minimised) {
    // The bounds are the ones the window returns to from the maximised or minimised state.
    move(bounds.topLeft());
    resize(bounds.size());
    if (maximised) {
        setWindowState(Qt::WindowMaximized);
    } else if (minimised) {
        setWindowState(Qt::WindowMinimized);
    } else {
        setWindowState(Qt::WindowNoState);
    }
    LayoutFrame();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!timerStarted_) {
        timerStarted_ = true;
        timer1_->start();
        // The claimant starts typing at once: the window has the keyboard from the start.
        platform::ActivateWindowOf(this);
    }
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (layoutFollowsResize_) Guarded([this] { LayoutFrame(); });
}

// --- Timer and autosave ----------------------------------------------------------------------

void TMainForm::Timer1Timer() {
    Guarded([this] { Tick(); });
}

void TMainForm::Tick() {
    if (!layoutFollowsResize_) {
        layoutFollowsResize_ = true;
        LayoutFrame();
        timer1_->setInterval(kAutosaveTickMs);
        return;
    }
    // The count goes on while nothing is modified; it stops short of overflowing.
    if (tickCount_ < std::numeric_limits<int>::max()) ++tickCount_;
    if (!run_.Store().Modified() || tickCount_ <= kTicksBeforeAutosave) return;
    // A tick inside a modal box or dialog would save in the middle of its handler.
    if (QApplication::activeModalWidget() != nullptr) return;
    timer1_->stop();
    // A failing save leaves the timer stopped: it is reported once and not tried again.
    Autosave(run_.File().CurrentPath());
    timer1_->start();
    tickCount_ = 0;
}

bool TMainForm::MustComplete() const {
    const interview::TChildForm* screen = frame_ ? frame_->Screen() : nullptr;
    return run_.Interview().ScreenShown && screen != nullptr &&
           screen->VertScrollBarIncrement == interview::kMustCompleteIncrement;
}

void TMainForm::Autosave(const std::string& path) {
    if (path.empty()) {
        Save();
        return;
    }
    run_.File().SetCurrentPath(path);
    const interview::TRunState& state = run_.Interview();
    if (state.ScreenShown && (state.LeaveCheck || MustComplete())) return;
    run_.SaveReturn(path);
    run_.Store().SetModified(false);
}

// --- The buttons --------------------------------------------------------------------------

void TMainForm::SaveBtnClick() {
    Guarded([this] { Save(); });
}

void TMainForm::KeepShownScreen() {
    if (!run_.Interview().ScreenShown || !frame_) return;
    frame_->SaveScreenToFields();
    if (run_.Store().CurrentWorksheetList() != 0) frame_->SaveCurrentWorksheet();
}

void TMainForm::Save() {
    if (run_.Interview().ScreenShown) {
        if (MustComplete()) {
            run_.Dialogs().WarningBox(kMustCompleteText);
            return;
        }
        if (!frame_->CanLeaveScreen()) return;
    }
    QToolTip::hideText();
    KeepShownScreen();

    TfrmSaveBox saveBox(run_.Dialogs(), this);
    const platform::TFocusReturn focus;
    const std::optional<std::string> chosen =
        saveBox.Execute(NamePart(run_.File().CurrentPath()));
    focus.Restore(this);
    if (!chosen) return;
    const std::string& path = *chosen;
    run_.File().SetCurrentPath(path);
    // A failing save leaves the modified flag and the caption as they were.
    run_.SaveReturn(path);
    run_.Store().SetModified(false);
    setWindowTitle(QStringLiteral("Ledgra'2002 - ") + PathText(path));
}

void TMainForm::HelpBtnClick() {
    Guarded([this] { run_.Help().ShowContents(); });
}

void TMainForm::CalculBtnClick() {
    calculBtn_->setEnabled(false);
    Guarded([this] {
        const std::string found = platform::LaunchCalculator();
        if (found.size() < 3) run_.Dialogs().Information("Can't find " + found + "...");
        QCoreApplication::processEvents();
    });
    calculBtn_->setEnabled(true);
}

void TMainForm::NotesBtnClick() {
    Guarded([this] {
        if (!notes_) {
            notes_ = new TNotesForm(run_.Store(), run_.Dialogs(), this);
            // Closing destroys the window later; from now on it counts as gone. The focus goes
            // back where it was once the window has gone.
            notes_->OnClosed = [this, focus = platform::TFocusReturn()] {
                notes_ = nullptr;
                QTimer::singleShot(0, this, [this, focus] { focus.Restore(this); });
            };
        }
        notes_->show();
        notes_->raise();
        platform::ActivateWindowOf(notes_);
    });
}

// --- Closing and the end of the run ------------------------------------------------------------

bool TMainForm::event(QEvent* event) {
    if (event->type() == static_cast<QEvent::Type>(platform::kSaveAndCloseMessage)) {
        Guarded([this] { SaveAndClose(); });
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::SaveAndClose() {
    KeepShownScreen();
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    Guarded([this, &mayClose] {
        mayClose = CloseQuery();
        if (mayClose) CloseHandler(this);
    });
    event->setAccepted(mayClose);
}

void TMainForm::CloseNotes() {
    if (notes_) notes_->close();
}

void TMainForm::EndRun() {
    timer1_->stop();
    setEnabled(false);
}

}  // namespace ftb::module
