#pragma once
// The fixture of the GUI tests that run screens in the real interview frame: a host window
// standing in for the main window, the field store, scripted dialogs whose surprises fail the
// test, the run state, a screen registry the test fills, the help file, and the frame itself,
// shown and active. Tests drive it as a user would: start at a screen, click buttons by name,
// type into fields, and look at what the frame shows.
#include <gtest/gtest.h>

#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/FieldStore.h"
#include "interview/Catalogue.h"
#include "interview/Child.h"
#include "interview/Intrview.h"
#include "interview/MainWindowLink.h"
#include "interview/RunState.h"
#include "interview/ScreenBuilder.h"
#include "platform/Help.h"
#include "platform/ScriptedDialogs.h"

namespace ftb::interview::frametest {

inline constexpr const char* kMustCompleteText = "You must complete this section before saving.";

// The main window's stand-in. Like the main window it refuses to close, with its warning box,
// while a screen is shown; it records what the frame asks of it and posts nothing to any host.
class THostWindow : public QWidget, public TMainWindowLink {
public:
    THostWindow(TRunState& run, platform::Dialogs& dialogs);

    bool CloseQuery() override;
    void CloseHandler(QObject* Sender) override;
    void RequestLayout() override { ++LayoutRequests; }

    int CloseQueries = 0;
    std::vector<QObject*> CloseSenders;
    int LayoutRequests = 0;

private:
    TRunState& run_;
    platform::Dialogs& dialogs_;
};

// A test-only screen class: the controls it declares, and what its create and show handlers do.
struct TTestScreenClass {
    std::vector<TControlDecl> Controls = {};
    std::function<void(TChildForm& screen)> OnCreate = {};
    std::function<void(TChildForm& screen, QObject* Sender)> OnShow = {};
};

class TTestScreen : public TChildForm {
public:
    TTestScreen(TScreenContext& context, const TTestScreenClass& screenClass);
    void FormCreate() override;
    void FormShow(QObject* Sender) override;

private:
    std::function<void(TChildForm&)> onCreate_;
    std::function<void(TChildForm&, QObject*)> onShow_;
};

class FrameFixture : public ::testing::Test {
protected:
    FrameFixture();
    ~FrameFixture() override;
    void TearDown() override;

    // Registers a test screen class under a class name of the catalogue, so the frame creates
    // it for that class's screen numbers.
    void RegisterScreen(const std::string& className, TTestScreenClass screenClass = {});
    // How many screens of the class the frame has had created.
    int Created(const std::string& className) const;

    // Sets the screen number, loads it as the module does at the start, processes events.
    void Start(int number);
    // Clicks the visible, enabled button of that object name, then delivers posted messages.
    void Click(const std::string& name);
    // Types into the visible, enabled entry field of that object name (Windows-1252 text).
    void Type(const std::string& name, const std::string& text);
    // Delivers every posted event, including messages posted while doing so.
    static void ProcessEvents();

    // The widget of that object name in the host (the frame or its screen); throws, failing the
    // test with the reason, when there is none or it is hidden or disabled.
    template <typename T>
    T& Find(const std::string& name) const;
    // As Find, for a widget that may be hidden or disabled.
    template <typename T>
    T& Widget(const std::string& name) const;

    const std::vector<std::int32_t>& History() const { return Run.ScreenHistory; }

    data::FieldStore Store;
    platform::ScriptedDialogs Dialogs;
    TRunState Run;
    TScreenRegistry Screens;
    platform::Help Help;
    std::unique_ptr<THostWindow> Host;
    TFrameWnd* Frame = nullptr;

private:
    QWidget* Located(const std::string& name, const std::function<bool(QWidget*)>& ofType,
                     bool usable) const;
    std::map<std::string, int> created_;
};

template <typename T>
T& FrameFixture::Find(const std::string& name) const {
    auto ofType = [](QWidget* widget) { return dynamic_cast<T*>(widget) != nullptr; };
    return *dynamic_cast<T*>(Located(name, ofType, true));
}

template <typename T>
T& FrameFixture::Widget(const std::string& name) const {
    auto ofType = [](QWidget* widget) { return dynamic_cast<T*>(widget) != nullptr; };
    return *dynamic_cast<T*>(Located(name, ofType, false));
}

}  // namespace ftb::interview::frametest
