#pragma once
// A small fixture for tests of screens outside the interview frame: a field store, scripted
// dialogs whose surprises are test failures, a run state, and the screen context made of them
// (with no frame). TDeclaredScreen is a screen made of a declaration given by the test.
#include <vector>

#include "data/FieldStore.h"
#include "interview/Child.h"
#include "interview/RunState.h"
#include "interview/ScreenBuilder.h"
#include "platform/ScriptedDialogs.h"

namespace ftb::interview::testkit {

struct TScreenTestKit {
    data::FieldStore Store;
    platform::ScriptedDialogs Dialogs;
    TRunState Run;
    TScreenContext Context{Store, Dialogs, Run, nullptr};

    // Unexpected boxes fail the test at once; expected boxes that never came fail it at the end.
    TScreenTestKit();
    ~TScreenTestKit();
    TScreenTestKit(const TScreenTestKit&) = delete;
    TScreenTestKit& operator=(const TScreenTestKit&) = delete;
};

class TDeclaredScreen : public TChildForm {
public:
    TDeclaredScreen(TScreenContext& context, std::vector<TControlDecl> controls)
        : TChildForm(context) {
        Build(*this, std::move(controls));
    }
};

// Shows the screen as a window of its own and waits until it can take the keyboard, so that
// clicks and keystrokes reach it as they reach a user's screen. False when the window system
// never activated it.
bool ShowActive(QWidget& screen);

}  // namespace ftb::interview::testkit
