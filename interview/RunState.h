#pragma once
// The module-wide state of one interview run: where the interview is, where it has been, where it
// left the module, and the hooks the shown screen has registered with the frame. One object per
// run, owned by the run and handed to the frame and the screens.
#include <QObject>
#include <cstdint>
#include <functional>
#include <vector>

namespace ftb::interview {

// What a leave check may do with the screen; the frame reads only ScreenValid.
enum TCloseAction { caNone, caHide, caFree, caMinimize };

// A hook with its sender: the button, list or frame that raised it.
using TNotifyHook = std::function<void(QObject* Sender)>;
// The leave check: run with no sender before the frame leaves the shown screen.
using TLeaveCheck = std::function<void(QObject* Sender, TCloseAction& Action)>;

constexpr int kFtbScreenGroup = 78;

struct TRunState {
    // The screen to show is ScreenGroup * 100 + ScreenIndex; screens change them.
    std::int32_t ScreenGroup = kFtbScreenGroup;
    std::int32_t ScreenIndex = 3;
    // ScreenGroup * 100 + ScreenIndex as computed by the last LoadScreen.
    std::int32_t CurrentScreen = 0;
    // Screen numbers, newest last; the newest is the screen now shown.
    std::vector<std::int32_t> ScreenHistory;
    // The last number for which the catalogue had no screen.
    std::int32_t ExitScreen = 0;
    bool ScreenShown = false;
    bool FileLoaded = false;

    // Hooks of the shown screen; empty when not registered.
    TNotifyHook NextYesNo;
    TLeaveCheck LeaveCheck;
    TNotifyHook ListClick;
    // The verdict of a leave check; true outside a check.
    bool ScreenValid = true;

    void SetScreen(std::int32_t number) {
        ScreenGroup = number / 100;
        ScreenIndex = number % 100;
    }
};

}  // namespace ftb::interview
