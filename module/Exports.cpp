// The four functions the host calls (include/ftbmodule.h) and the end of the loaded module. The
// library exports these four and nothing else (module/ftbmodule.map).
#include <dlfcn.h>

#include <QApplication>
#include <filesystem>
#include <memory>
#include <string>

#include "data/Errors.h"
#include "include/ftbmodule.h"
#include "module/Main.h"
#include "module/Run.h"
#include "platform/Help.h"
#include "platform/QtDialogs.h"

#define FTB_EXPORT __attribute__((visibility("default")))

namespace {

using ftb::module::TModuleRun;

// The one run of the loaded module; it lives until the module is unloaded.
TModuleRun* gRun = nullptr;

// A length byte followed by that many characters; a null pointer is an empty text.
std::string CopyText(const unsigned char* text) {
    if (text == nullptr) return {};
    return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

// The help file ships beside the library; a library run from the build tree without it reads
// the one in the source tree.
std::string HelpFilePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&CheckVersion), &info) != 0 && info.dli_fname != nullptr) {
        const std::filesystem::path beside =
            std::filesystem::path(info.dli_fname).parent_path() / ftb::platform::kHelpFileName;
        std::error_code error;
        if (std::filesystem::is_regular_file(beside, error)) return beside.string();
    }
#ifdef FTB_SOURCE_HELP_FILE
    return FTB_SOURCE_HELP_FILE;
#else
    return {};
#endif
}

// The module's windows belong to the host's application: the one it names, or the running one.
void CheckApplication(std::uintptr_t application) {
    auto* running = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (running == nullptr)
        throw ftb::EFtbError("The module needs the host's QApplication to be running");
    if (application != 0 && reinterpret_cast<QObject*>(application) != running)
        throw ftb::EFtbError("The application handle is not the running QApplication");
}

// Every box of the module belongs to its main window.
std::unique_ptr<ftb::platform::Dialogs> ModuleDialogs() {
    return std::make_unique<ftb::platform::QtDialogs>([]() -> QWidget* {
        return gRun != nullptr ? gRun->MainForm() : nullptr;
    });
}

// Unloading the module: the frame and the main window are destroyed, the history is freed and
// pending messages are processed. With the application gone, no Qt object is touched.
__attribute__((destructor)) void ProcessDetach() {
    std::unique_ptr<TModuleRun> run(gRun);
    gRun = nullptr;
    if (QCoreApplication::instance() == nullptr)
        TModuleRun::AbandonAfterApplication(std::move(run));
}

}  // namespace

extern "C" {

FTB_EXPORT void RunFTBModule(uintptr_t application, uintptr_t host_window,
                             const unsigned char* tax_file_path, const unsigned char* key_source,
                             int32_t start_screen, int32_t left, int32_t top, int32_t width,
                             int32_t height, int32_t maximised, int32_t minimised) {
    ftb::module::TStartArguments arguments;
    arguments.TaxFilePath = CopyText(tax_file_path);
    arguments.KeySource = CopyText(key_source);
    CheckApplication(application);
    arguments.HostWindow = reinterpret_cast<QObject*>(host_window);
    arguments.StartScreen = start_screen;
    arguments.Bounds = QRect(left, top, width, height);
    arguments.Maximised = maximised != 0;
    arguments.Minimised = minimised != 0;

    if (gRun == nullptr) gRun = new TModuleRun(ModuleDialogs(), HelpFilePath());
    gRun->Start(arguments);
}

FTB_EXPORT int32_t CheckVersion(int32_t version) {
    const auto host = static_cast<int16_t>(version);  // only the low 16 bits count
    const int16_t result = host == FTB_MODULE_VERSION ? 0 : host > FTB_MODULE_VERSION ? -1 : 1;
    return result;
}

FTB_EXPORT int32_t GetFailedScreenIndex(void) { return gRun != nullptr ? gRun->ExitScreen() : 0; }

FTB_EXPORT int32_t FreeDLLResources(void) {
    try {
        if (gRun != nullptr) gRun->Release();
        return 1;
    } catch (...) {
        return 0;
    }
}

}  // extern "C"
