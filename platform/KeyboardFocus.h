#pragma once
// What makes the module's windows work from the keyboard alone: Enter presses a focused button
// as Space does, the focus goes back where it was when a box or window closes (with or without a
// window manager), and a control that keeps Tab for itself can be left with Ctrl+Tab.
#include <QPointer>
#include <QWidget>

class QAbstractButton;

namespace ftb::platform {

// Enter and Return (without Ctrl, Alt or Shift) press the button while it has the focus, as
// Space does; its mnemonic stays, and presses it at once (Qt's own waits 100 ms). Outside a dialog (the frame, the screens, the notepad, the
// button bar) nothing else does this.
void PressOnEnter(QAbstractButton& button);

// Tab enters a group of radio buttons (the auto-exclusive ones of one parent) on the checked
// one, as on the desktop the module was made for: whenever the button becomes checked, by the
// user or by the program, it becomes the group's one Tab stop. Qt on its own moves the stop
// only with the focus, so Tab would land on the first button whatever was answered.
void TabStopFollowsCheck(QAbstractButton& radio);

// Makes the widget's window the active one, also where no window manager answers the request.
void ActivateWindowOf(QWidget* widget);

// Remembers the control that has the focus now, so that it gets it back after a box or a
// window that took the focus has closed.
class TFocusReturn {
public:
    TFocusReturn();
    // Activates the window of the remembered control and focuses the control again; when the
    // control has gone meanwhile, activates `fallback`'s window (may be null).
    void Restore(QWidget* fallback = nullptr) const;

private:
    QPointer<QWidget> control_;
};

// Moves the focus to the next (or previous) control of the window that lies outside `compound`
// (a grid and its cell editor); false when there is none.
bool FocusBeyond(QWidget& compound, bool next);

}  // namespace ftb::platform
