#pragma once
// TMainForm, the module's top-level window: the button bar SpeedPanel (help, calculator, notes,
// save) above the interview frame. It decides whether the interview may be closed and tells the
// host how it ended, saves the answers on request ("Save", with the save dialog) and by the
// autosave of its timer, and opens the notepad and the calculator.
//
// Dates need nothing set here: every date text is read through data::ParseDate, whose default
// two-digit-year rule is the main window's (TwoDigitYears::MainWindow, with the year
// data::kRulesYear), with "/" between the numbers; numbers are written with ".".
#include <QMainWindow>
#include <QPointer>
#include <string>

#include "interview/MainWindowLink.h"

class QCloseEvent;
class QEvent;
class QResizeEvent;
class QShowEvent;
class QTimer;
class QToolBar;
class QToolButton;

namespace ftb::interview {
class TFrameWnd;
}

namespace ftb::module {

class TModuleRun;
class TNotesForm;

inline constexpr const char* kMustCompleteText = "You must complete this section before saving.";

class TMainForm : public QMainWindow, public interview::TMainWindowLink {
    Q_OBJECT

public:
    // Creates the button bar and the interview frame below it; the caption tells whether the
    // start-up read found answers in the file.
    explicit TMainForm(TModuleRun& run);
    ~TMainForm() override;

    // --- What the interview frame asks -------------------------------------------------------
    // Refuses, with its warning box, while a question screen is shown.
    bool CloseQuery() override;
    // Tells the host: the close message when the sender is the frame's "&Close" button or this
    // window, the leave message otherwise.
    void CloseHandler(QObject* Sender) override;
    void RequestLayout() override;

    // --- Handlers; none of them lets an error escape (it is shown in an error box) ----------
    // One tick of Timer1: the first lays the frame out and switches to a tick a minute, every
    // later one counts towards the autosave.
    void Timer1Timer();
    void SaveBtnClick();
    void HelpBtnClick();
    void CalculBtnClick();
    void NotesBtnClick();

    // Saves the answers to `path` unless the shown screen must be completed first; an empty path
    // runs "Save" instead. Errors propagate.
    void Autosave(const std::string& path);

    // Places the frame below the button bar, over the whole width and the height left.
    void LayoutFrame();
    // The host's placement: left/top/width/height, then maximised, else minimised, else normal.
    void PlaceWindow(const QRect& bounds, bool maximised, bool minimised);

    // --- The end of the run -----------------------------------------------------------------
    // Closes the notepad, so its lines go into the answers.
    void CloseNotes();
    // The answers are about to be released: no more autosaves and no more input.
    void EndRun();

    interview::TFrameWnd* Frame() const;
    QToolBar* SpeedPanel() const { return speedPanel_; }
    QTimer* Timer1() const { return timer1_; }
    // Ticks since the last autosave (the first tick not counted).
    int TickCount() const { return tickCount_; }
    TNotesForm* NotesForm() const;

protected:
    bool event(QEvent* event) override;  // message 1025: save the shown screen and close
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* AddButton(const char* name, const char* caption, const char* hint,
                           void (TMainForm::*handler)());
    void Tick();
    void Save();
    void SaveAndClose();
    // The shown screen still has to be completed before anything is saved.
    bool MustComplete() const;
    // Copies the shown screen into the fields, and into its worksheet when one is open.
    void KeepShownScreen();
    template <typename Action>
    void Guarded(Action&& action) noexcept;

    TModuleRun& run_;
    QToolBar* speedPanel_ = nullptr;
    QToolButton* calculBtn_ = nullptr;
    QPointer<interview::TFrameWnd> frame_;
    QTimer* timer1_ = nullptr;
    QPointer<TNotesForm> notes_;
    int tickCount_ = 0;
    bool timerStarted_ = false;
    // Set by the first tick: from then on every resize lays the frame out.
    bool layoutFollowsResize_ = false;
};

}  // namespace ftb::module
