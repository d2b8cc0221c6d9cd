#pragma once
// What the interview frame asks of the window that hosts it (the module's main window, or a
// test's stand-in).
class QObject;

namespace ftb::interview {

class TMainWindowLink {
public:
    virtual ~TMainWindowLink() = default;
    // Whether the main window may close now (it refuses while a question screen is shown).
    virtual bool CloseQuery() = 0;
    // The main window's close handler; Sender is the frame's Yes button when the interview
    // reached an exit screen number (the host is told the interview left the module) and its
    // Close button when the claimant closed it.
    virtual void CloseHandler(QObject* Sender) = 0;
    // The frame's client area changed in a way the main window lays out (below its button bar).
    virtual void RequestLayout() = 0;
};

}  // namespace ftb::interview
