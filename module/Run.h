#pragma once
// The state of one run of the module, as one object: the host window the messages go to, the
// tax file path and the key source, the field store with the tax-return file that reads and
// saves it, the interview's run state (screen position, history, exit screen number, hooks),
// the dialogs every box goes through, the help file, the screen registry, and the main window
// with the interview frame in it. The exported entry points own the one instance of a loaded
// module; tests make their own with scripted dialogs.
#include <QPointer>
#include <QRect>
#include <cstdint>
#include <memory>
#include <string>

#include "data/FieldStore.h"
#include "data/FileSystem.h"
#include "data/TaxFile.h"
#include "interview/Catalogue.h"
#include "interview/RunState.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"

class QObject;

namespace ftb::interview {
class TFrameWnd;
}

namespace ftb::module {

class TMainForm;

// What the host gives RunFTBModule, once copied.
struct TStartArguments {
    QObject* HostWindow = nullptr;  // receives the leave and close messages
    std::string TaxFilePath;        // native path
    std::string KeySource;          // its decimal digits make the file key
    std::int32_t StartScreen = 0;
    QRect Bounds;  // left, top, width, height of the main window
    bool Maximised = false;
    bool Minimised = false;
};

class TModuleRun {
public:
    // Every box of the run is shown through `dialogs`; the help topics come from the file at
    // `helpFilePath`. The registry holds every screen class of the module.
    TModuleRun(std::unique_ptr<platform::Dialogs> dialogs, const std::string& helpFilePath,
               data::FileSystem& fileSystem = data::RealFileSystem());
    // The end of the loaded module: the history is freed and windows a release left (none after
    // a release) are destroyed. Needs the application to be running when windows are left.
    ~TModuleRun();
    TModuleRun(const TModuleRun&) = delete;
    TModuleRun& operator=(const TModuleRun&) = delete;

    // Starts the run (RunFTBModule): reads the tax-return file, shows the main window with the
    // start screen and places it. Errors propagate; a second start throws EFtbError.
    void Start(const TStartArguments& arguments);

    // Ends the run (FreeDLLResources): saves the answers to the tax file path given at the
    // start, releases the field store and the history, closes the frame and destroys the
    // windows. An error ends the steps at once and propagates; the answers are then still held.
    void Release();

    // Makes the main window, and with it the interview frame (Start does it; tests call it to
    // work the window without a host).
    TMainForm& CreateMainForm();

    // Writes the answers with the interview's screen position and history to `path`.
    void SaveReturn(const std::string& path);
    // The window that receives the leave and close messages (Start sets the host's).
    void SetHostWindow(QObject* host) { hostWindow_ = host; }
    // Posts a message to the host window; nothing when the host gave none or it is gone.
    void PostToHost(int message);

    data::FieldStore& Store() { return store_; }
    data::TaxFile& File() { return file_; }
    interview::TRunState& Interview() { return interview_; }
    const interview::TRunState& Interview() const { return interview_; }
    platform::Dialogs& Dialogs() { return *dialogs_; }
    platform::Help& Help() { return help_; }
    // Tests register their own screen classes in it.
    interview::TScreenRegistry& Screens() { return screens_; }
    TMainForm* MainForm() const { return mainForm_.get(); }
    interview::TFrameWnd* Frame() const;

    const std::string& TaxFilePath() const { return taxFilePath_; }
    std::int32_t ExitScreen() const { return interview_.ExitScreen; }
    // Release has freed the answers; nothing is saved any more in this run.
    bool Released() const { return released_; }

    // The end of the loaded module when the application has already gone: the answers and the
    // history are freed and every Qt object is left alone (it died with the application).
    static void AbandonAfterApplication(std::unique_ptr<TModuleRun> run);

private:
    // The frame, the main window and the help viewer, then pending messages.
    void DestroyWindows();

    std::unique_ptr<platform::Dialogs> dialogs_;
    data::FieldStore store_;
    data::TaxFile file_;
    interview::TRunState interview_;
    platform::Help help_;
    interview::TScreenRegistry screens_;
    QPointer<QObject> hostWindow_;
    std::string taxFilePath_;
    std::unique_ptr<TMainForm> mainForm_;

    bool started_ = false;
    // The start-up read did not complete: the store holds nothing of the return, so the end of
    // the run must not write it over the file.
    bool readFailed_ = false;
    bool released_ = false;
};

}  // namespace ftb::module
