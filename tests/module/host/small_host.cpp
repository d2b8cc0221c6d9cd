// A small host of the module, written only against include/ftbmodule.h as a tax-return program
// would be: it makes its application, loads the library, runs the interview on a return, waits
// for the module to leave, frees it and then either unloads it or leaves with exit() at once,
// as many hosts do. Every message box the module shows is answered with its default button and
// printed, so a test can read what the claimant was told.
//
//   ftb_small_host LIBRARY RETURN KEY SCREEN unload|exit
//
// Prints "box TITLE: TEXT" for every box, "error TEXT" when RunFTBModule throws, then
// "exit screen N" and "free N".
#include <dlfcn.h>

#include <QPushButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include "include/ftbmodule.h"

namespace {

class Host : public QObject {
public:
    int message = 0;
    bool event(QEvent* e) override {
        if (e->type() == FTB_LEAVE_MESSAGE || e->type() == FTB_CLOSE_MESSAGE) {
            message = e->type();
            return true;
        }
        return QObject::event(e);
    }
};

class BoxAnswerer : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && e->type() == QEvent::Show) {
            std::printf("box %s: %s\n", box->windowTitle().toUtf8().constData(),
                        box->text().toUtf8().constData());
            std::fflush(stdout);
            QTimer::singleShot(0, box, [box] {
                if (QPushButton* button = box->defaultButton()) button->click();
                else box->accept();
            });
        }
        return false;
    }
};

std::string Counted(const char* text) {
    const std::size_t length = std::strlen(text);
    return std::string(1, static_cast<char>(length)) + text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: ftb_small_host LIBRARY RETURN KEY SCREEN unload|exit\n");
        return 2;
    }
    // Left for the process's end, as hosts that leave with exit() do.
    auto* application = new QApplication(argc, argv);
    BoxAnswerer answerer;
    application->installEventFilter(&answerer);

    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        std::fprintf(stderr, "dlopen: %s\n", dlerror());
        return 2;
    }
    auto check = reinterpret_cast<FtbCheckVersionFn>(dlsym(library, "CheckVersion"));
    auto run = reinterpret_cast<FtbRunModuleFn>(dlsym(library, "RunFTBModule"));
    auto failed = reinterpret_cast<FtbGetFailedScreenIndexFn>(dlsym(library, "GetFailedScreenIndex"));
    auto release = reinterpret_cast<FtbFreeResourcesFn>(dlsym(library, "FreeDLLResources"));
    if (check == nullptr || run == nullptr || failed == nullptr || release == nullptr ||
        check(FTB_MODULE_VERSION) != 0)
        return 2;

    const std::string path = Counted(argv[2]);
    const std::string key = Counted(argv[3]);
    Host host;
    try {
        run(0, reinterpret_cast<uintptr_t>(&host), reinterpret_cast<const unsigned char*>(path.data()),
            reinterpret_cast<const unsigned char*>(key.data()), std::atoi(argv[4]), 10, 10, 820, 620,
            0, 0);
        for (int round = 0; round < 1000 && host.message == 0; ++round)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } catch (const std::exception& error) {
        std::printf("error %s\n", error.what());
    }
    std::printf("exit screen %d\n", failed());
    std::printf("free %d\n", release());
    std::fflush(stdout);
    if (std::strcmp(argv[5], "exit") == 0) std::exit(0);
    dlclose(library);
    return 0;
}
