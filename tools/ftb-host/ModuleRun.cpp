#include "tools/ftb-host/ModuleRun.h"

#include <QCoreApplication>
#include <QEvent>
#include <array>
#include <cstring>

namespace ftb::host {
namespace {

// A text as the module takes it: one length byte, then up to 255 characters.
std::array<unsigned char, 256> ModuleText(const std::string& text, const char* what) {
    if (text.size() > 255) throw EHostError(std::string(what) + " is longer than 255 characters");
    std::array<unsigned char, 256> buffer{};
    buffer[0] = static_cast<unsigned char>(text.size());
    std::memcpy(buffer.data() + 1, text.data(), text.size());
    return buffer;
}

template <typename Function>
Function Resolve(QLibrary& library, const char* name) {
    auto function = reinterpret_cast<Function>(library.resolve(name));
    if (function == nullptr)
        throw EHostError("The module " + library.fileName().toStdString() + " has no " + name);
    return function;
}

}  // namespace

bool HostWindow::event(QEvent* event) {
    const int type = static_cast<int>(event->type());
    if (type == FTB_LEAVE_MESSAGE || type == FTB_CLOSE_MESSAGE) {
        if (message_ == 0) message_ = type;
        return true;
    }
    return QObject::event(event);
}

std::string EndingText(const RunEnding& ending) {
    return "exit screen " + std::to_string(ending.exitScreen) +
           (ending.saved ? ", saved OK" : ", NOT saved: FreeDLLResources returned 0");
}

ModuleRun::ModuleRun(const QString& modulePath) : library_(modulePath) {
    if (!library_.load())
        throw EHostError("Cannot load the module: " + library_.errorString().toStdString());
    checkVersion_ = Resolve<FtbCheckVersionFn>(library_, "CheckVersion");
    runModule_ = Resolve<FtbRunModuleFn>(library_, "RunFTBModule");
    failedScreenIndex_ = Resolve<FtbGetFailedScreenIndexFn>(library_, "GetFailedScreenIndex");
    freeResources_ = Resolve<FtbFreeResourcesFn>(library_, "FreeDLLResources");
}

ModuleRun::~ModuleRun() {
    if (library_.isLoaded()) library_.unload();
}

void ModuleRun::Start(const RunRequest& request) {
    const int32_t version = checkVersion_(FTB_MODULE_VERSION);
    if (version != 0)
        throw EHostError("The module does not speak interface version 1 (CheckVersion(1) = " +
                         std::to_string(version) + ")");
    const auto path = ModuleText(request.taxFile, "The path of the tax-return file");
    const auto key = ModuleText(request.keySource, "The key source");
    const Geometry& g = request.geometry;
    try {
        runModule_(0, reinterpret_cast<uintptr_t>(&host_), path.data(), key.data(),
                   request.startScreen, g.left, g.top, g.width, g.height, request.maximised ? 1 : 0,
                   0);
    } catch (const std::exception& error) {
        throw EHostError(error.what());
    }
}

int ModuleRun::ExitScreen() const { return failedScreenIndex_(); }

RunEnding ModuleRun::Finish() {
    RunEnding ending;
    ending.exitScreen = failedScreenIndex_();
    ending.saved = freeResources_() == 1;
    finished_ = true;
    Unload();
    return ending;
}

void ModuleRun::Unload() {
    if (!library_.unload())
        throw EHostError("Cannot unload the module: " + library_.errorString().toStdString());
}

void WaitForTheModule(const ModuleRun& run) {
    while (run.Message() == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace ftb::host
