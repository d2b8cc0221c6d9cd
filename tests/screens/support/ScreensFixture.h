#pragma once
// The frame fixture with the module's own screen classes registered, and what the screen tests
// look at: the screen the frame shows, its texts, and their places once painted.
#include <QPixmap>
#include <string>

#include "controls/Textlbl.h"
#include "interview/support/FrameFixture.h"
#include "screens/Registration.h"

namespace ftb::screens::test {

class ScreensFixture : public interview::frametest::FrameFixture {
  protected:
    ScreensFixture() { RegisterScreens(Screens); }

    // The number of the screen in the frame; 0 when the interview has left the module.
    int Shown() const { return Frame->Screen() != nullptr ? Run.CurrentScreen : 0; }

    controls::TTextLbl& Text(const std::string& name) const {
        return Widget<controls::TTextLbl>(name);
    }

    // Paints the shown screen twice: texts that fit their height or keep to the bottom move
    // after the first paint.
    void Paint() const {
        for (int pass = 0; pass < 2; ++pass) {
            (void)Frame->Screen()->grab();
            ProcessEvents();
        }
    }
};

}  // namespace ftb::screens::test
