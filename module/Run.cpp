#include "module/Run.h"

#include <QCoreApplication>

#include "data/Errors.h"
#include "interview/Intrview.h"
#include "module/Main.h"
#include "platform/Messages.h"
#include "screens/Registration.h"

namespace ftb::module {
namespace {

constexpr int kKeySourceField = 1;

}  // namespace

TModuleRun::TModuleRun(std::unique_ptr<platform::Dialogs> dialogs,
                       const std::string& helpFilePath, data::FileSystem& fileSystem)
    : dialogs_(std::move(dialogs)), file_(store_, fileSystem, *dialogs_), help_(helpFilePath) {
    screens::RegisterScreens(screens_);
}

TModuleRun::~TModuleRun() {
    interview_.ScreenHistory = {};
    // After a release nothing of Qt is left to destroy: a host may end its process with exit()
    // while Qt shuts down around the module.
    if (mainForm_ || help_.Viewer() != nullptr) DestroyWindows();
}

void TModuleRun::DestroyWindows() {
    // The frame's screen may still reach the store and the dialogs, so it goes first.
    if (interview::TFrameWnd* frame = Frame()) delete frame;
    mainForm_.reset();
    delete help_.Viewer();
    QCoreApplication::processEvents();
}

void TModuleRun::AbandonAfterApplication(std::unique_ptr<TModuleRun> run) {
    if (!run) return;
    run->store_ = data::FieldStore();
    run->interview_.ScreenHistory = {};
    // Its windows, the help viewer and the host's pointer belong to a Qt that has shut down;
    // destroying them now would call into it.
    static_cast<void>(run.release());
}

interview::TFrameWnd* TModuleRun::Frame() const {
    return mainForm_ ? mainForm_->Frame() : nullptr;
}

TMainForm& TModuleRun::CreateMainForm() {
    mainForm_ = std::make_unique<TMainForm>(*this);
    return *mainForm_;
}

void TModuleRun::Start(const TStartArguments& arguments) {
    if (started_) throw EFtbError("The module has already been started in this run");
    started_ = true;

    SetHostWindow(arguments.HostWindow);
    interview_.ScreenHistory.clear();
    file_.SetKeySource(arguments.KeySource);
    store_.SetFieldStr(kKeySourceField, arguments.KeySource);

    taxFilePath_ = arguments.TaxFilePath;
    readFailed_ = true;
    file_.Read(taxFilePath_);
    readFailed_ = false;
    interview_.ScreenGroup = file_.ScreenGroup();
    interview_.ScreenIndex = file_.ScreenIndex();
    interview_.ScreenHistory = file_.History();
    interview_.FileLoaded = file_.FileLoaded();
    QCoreApplication::processEvents();

    TMainForm& form = CreateMainForm();
    form.show();
    file_.SetCurrentPath(taxFilePath_);

    // The host's start screen wins over the position saved in the file.
    interview_.SetScreen(arguments.StartScreen);
    interview_.ScreenShown = false;

    form.Frame()->LoadScreen();
    form.PlaceWindow(arguments.Bounds, arguments.Maximised, arguments.Minimised);
}

void TModuleRun::Release() {
    // Notes typed so far belong to the answers that are saved.
    if (mainForm_) mainForm_->CloseNotes();
    if (!released_ && !readFailed_) SaveReturn(taxFilePath_);

    // The main window and the frame keep referring to the store until the module is unloaded:
    // the store object stays, empty, and nothing reaches it from the window any more.
    if (mainForm_) mainForm_->EndRun();
    store_ = data::FieldStore();
    released_ = true;

    interview_.ScreenHistory = {};

    if (interview::TFrameWnd* frame = Frame()) {
        // A load asked for earlier would build a screen over the released answers.
        QCoreApplication::removePostedEvents(frame, platform::kLoadScreenMessage);
        frame->CloseFrame();
    }
    QCoreApplication::processEvents();
    DestroyWindows();
}

void TModuleRun::SaveReturn(const std::string& path) {
    file_.SetScreen(interview_.ScreenGroup, interview_.ScreenIndex);
    file_.History() = interview_.ScreenHistory;
    file_.Save(path);
}

void TModuleRun::PostToHost(int message) { platform::PostMessage(hostWindow_.data(), message); }

}  // namespace ftb::module
