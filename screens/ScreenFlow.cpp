#include "screens/ScreenFlow.h"

#include <QPushButton>
#include <utility>

#include "assessment/Integrity.h"
#include "interview/Child.h"
#include "interview/Intrview.h"
#include "platform/Messages.h"

namespace ftb::screens {

void RegisterNextYesNo(interview::TChildForm& screen,
                       std::function<void(QObject* Sender)> handler) {
    screen.Run().NextYesNo = [&screen, handler = std::move(handler)](QObject* Sender) {
        screen.Guarded([&] {
            if (!screen.Frame().BackwardMove()) handler(Sender);
        });
    };
}

void RegisterLeaveCheck(interview::TChildForm& screen, std::function<void()> check) {
    screen.Run().LeaveCheck = [&screen, check = std::move(check)](QObject*,
                                                                 interview::TCloseAction&) {
        bool finished = false;
        screen.Guarded([&] {
            check();
            finished = true;
        });
        if (!finished) screen.Run().ScreenValid = false;
    };
}

void ShowYesNo(interview::TChildForm& screen) {
    screen.Frame().BtnYes()->setVisible(true);
    screen.Frame().BtnNo()->setVisible(true);
}

bool IsYes(const interview::TChildForm& screen, const QObject* Sender) {
    return Sender == screen.Frame().BtnYes();
}

void MoveAfterAnswer(interview::TChildForm& screen, int screenNumber) {
    screen.Run().SetScreen(screenNumber);
    platform::PostMessage(&screen.Frame(), platform::kLoadScreenMessage);
}

void MoveTo(interview::TChildForm& screen, const QObject* Sender, int screenNumber) {
    if (Sender == screen.Frame().BtnNext())
        screen.Run().SetScreen(screenNumber);
    else
        MoveAfterAnswer(screen, screenNumber);
}

bool LeaveThroughGuard(interview::TChildForm& screen, const QObject* Sender, int exitScreen,
                       const std::function<void()>& afterDelete) {
    if (!assessment::DeleteAllGuard(screen.Store(), screen.Dialogs(), screen.Run().ScreenHistory))
        return false;
    screen.Frame().LoadFieldsToScreen();
    if (afterDelete) afterDelete();
    MoveTo(screen, Sender, exitScreen);
    return true;
}

void LeaveForIneligibility(interview::TChildForm& screen) {
    LeaveThroughGuard(screen, nullptr, kLeaveFtbScreen);  // raised by Yes or No
}

}  // namespace ftb::screens
