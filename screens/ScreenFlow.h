#pragma once
// How the question screens move the interview on: the Next/Yes/No handler they register with
// the frame, the frame's Yes and No buttons, the posted move after an answer, and leaving the
// FTB item when an answer makes the claimant ineligible.
#include <functional>

class QObject;

namespace ftb::interview {
class TChildForm;
}

namespace ftb::screens {

// The exit screen number that hands the interview to the host's next item.
constexpr int kLeaveFtbScreen = 8001;
// The exit screen number after a permanent departure.
constexpr int kPermanentDepartureExit = 7901;

// Registers the screen's Next/Yes/No handler with the frame. The handler runs guarded, so no
// error escapes into the event loop, and does nothing while the frame moves backwards.
void RegisterNextYesNo(interview::TChildForm& screen, std::function<void(QObject* Sender)> handler);

// Registers the screen's leave check with the frame. The check runs guarded; an error that
// escapes it keeps the claimant on the screen.
void RegisterLeaveCheck(interview::TChildForm& screen, std::function<void()> check);

// Shows the frame's Yes and No buttons; the frame then hides Next.
void ShowYesNo(interview::TChildForm& screen);

// Whether the Next/Yes/No handler was raised by the frame's Yes button.
bool IsYes(const interview::TChildForm& screen, const QObject* Sender);

// Sets the next screen and asks the frame to load it once the Yes/No handler has returned.
void MoveAfterAnswer(interview::TChildForm& screen, int screenNumber);

// Sets the next screen from the handler raised by Sender (null: Yes or No): on Next the frame
// loads it after the handler, on Yes or No it is asked to load it once the handler has returned.
void MoveTo(interview::TChildForm& screen, const QObject* Sender, int screenNumber);

// An answer ends the claim: the delete-all guard asks before every FTB answer is cleared. When it
// cleared them (or there were none) the screen's controls are loaded again from the emptied
// fields, so that leaving writes nothing of the abandoned claim back, `afterDelete` may then set
// the controls that record why the claim ended, and the interview leaves for `exitScreen`.
// False when the claimant kept the answers: nothing changes and the screen number is left as it
// is.
bool LeaveThroughGuard(interview::TChildForm& screen, const QObject* Sender, int exitScreen,
                       const std::function<void()>& afterDelete = {});

// The Yes/No answer ends the claim: LeaveThroughGuard to 8001; when the claimant keeps the
// answers the screen stays.
void LeaveForIneligibility(interview::TChildForm& screen);

}  // namespace ftb::screens
