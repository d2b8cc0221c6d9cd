/*
 * ftbmodule.h - the interface of the family tax benefit module (libftbmodule.so) for the
 * tax-return programs that host it.
 *
 * The module collects the FTB claim for the 2002 income year as one item of a tax return. A host
 * loads the library for one interview, calls the four functions below in this order, and unloads
 * it afterwards:
 *
 *   1. CheckVersion(1)        - 0 when host and module agree on interface version 1.
 *   2. RunFTBModule(...)      - reads the tax-return file, shows the module's main window and the
 *                               first screen, and returns; the interview then runs in the host's
 *                               event loop.
 *   3. wait for an event of type 1131 (the interview left the module: continue at the screen
 *      number GetFailedScreenIndex() returns) or 1132 (the claimant closed the interview), posted
 *      to the host window; then GetFailedScreenIndex().
 *   4. FreeDLLResources()     - saves the answers into the tax-return file given to RunFTBModule
 *                               (encrypted, the previous version kept as .BAK), releases the
 *                               run and destroys the module's windows; 1 on success, 0 when any
 *                               step failed.
 *   5. dlclose the library (or end the process with exit()): nothing is left running, and the
 *      unloading touches no Qt object.
 *
 * Handles. The module is Qt 6 Widgets code and shares the host's Qt: `application` is the host's
 * QApplication* (0: the running one) and `host_window` a QObject* that receives the messages 1131
 * and 1132 as posted QEvents of those types (delivered on the next event processing, carrying no
 * data). Both are passed as pointer-sized integers. RunFTBModule throws when no QApplication is
 * running or `application` names another object. The module's windows never end the host's
 * application when they close.
 *
 * Help. The module reads its help topics from FTB2002.HLP in the folder of libftbmodule.so (the
 * build puts a copy beside the library; an installation ships the two together). A library
 * without the file beside it falls back to the help file of the source tree it was built from.
 *
 * Strings are length-prefixed: a pointer to one length byte followed by up to 255 characters
 * (the path as the file system spells it, UTF-8 on Linux; the key source in Windows-1252).
 * They are copied on entry; the host may reuse its buffers afterwards.
 *
 * Errors. RunFTBModule lets a start-up error reach the host: a tax-return file that is missing or
 * cannot be read, or whose length is not a whole number of cipher blocks, leaves RunFTBModule as
 * a C++ exception derived from std::exception whose what() is the message. The language linkage
 * below does not stop it, so a host calls the module from C++ (which it does anyway, since it
 * shares the module's Qt) and catches std::exception around RunFTBModule. After such an error
 * FreeDLLResources still works and returns its result; when the error came from reading the
 * tax-return file, it writes nothing over that file (the module never held its answers).
 * FreeDLLResources itself never throws. RunFTBModule is called once per load of the library; a
 * second call throws.
 *
 * Building a host. The installed package describes itself to pkg-config: a host builds with
 * `c++ host.cpp $(pkg-config --cflags --libs ftbmodule)` (this header and the Qt Widgets it
 * shares with the module); `pkg-config --variable=module ftbmodule` is the library's path. The
 * library lies in the system's library folder, so loading it by its name finds it.
 *
 * Minimal host (error handling shortened; its first argument is the start screen):
 *
 *   #include <QApplication>
 *   #include <QLibrary>
 *   #include <cstdio>
 *   #include <cstdlib>
 *   #include "ftbmodule.h"
 *
 *   class Host : public QObject {
 *   public:
 *       bool done = false;
 *       bool event(QEvent* e) override {
 *           if (e->type() == 1131 || e->type() == 1132) { done = true; return true; }
 *           return QObject::event(e);
 *       }
 *   };
 *
 *   int main(int argc, char** argv) {
 *       QApplication app(argc, argv);
 *       const int start = argc > 1 ? atoi(argv[1]) : 7803;   // the screen to start at
 *       QLibrary module("libftbmodule.so");
 *       auto check = (FtbCheckVersionFn)module.resolve("CheckVersion");
 *       auto run = (FtbRunModuleFn)module.resolve("RunFTBModule");
 *       auto failed = (FtbGetFailedScreenIndexFn)module.resolve("GetFailedScreenIndex");
 *       auto release = (FtbFreeResourcesFn)module.resolve("FreeDLLResources");
 *       if (check(1) != 0) return 1;
 *       static const unsigned char path[] = "\x0a" "RETURN.TAX";
 *       static const unsigned char key[] = "\x09" "876543210";
 *       Host host;
 *       run(0, (uintptr_t)&host, path, key, start, 10, 10, 820, 620, 0, 0);
 *       while (!host.done) app.processEvents(QEventLoop::WaitForMoreEvents);
 *       int screen = failed();
 *       int saved = release();
 *       module.unload();
 *       printf("exit screen %d, saved %d\n", screen, saved);
 *       return saved == 1 ? 0 : 1;
 *   }
 */
#ifndef FTBMODULE_H
#define FTBMODULE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The interface version this header describes. */
#define FTB_MODULE_VERSION 1

/* Messages posted to the host window (QEvent types). */
#define FTB_LEAVE_MESSAGE 1131 /* the interview moved to a screen the module does not own */
#define FTB_CLOSE_MESSAGE 1132 /* the claimant closed the interview */

/*
 * Starts the run: copies the strings, stores the key source in field 1, reads the tax-return file,
 * shows the main window at left/top/width/height (maximised when maximised is nonzero, else
 * minimised when minimised is nonzero) and loads start_screen (screen group = start_screen / 100,
 * index = start_screen % 100). A start screen the module does not own posts 1131 at once.
 * Throws a std::exception on a start-up error (see above).
 */
void RunFTBModule(uintptr_t application, uintptr_t host_window, const unsigned char* tax_file_path,
                  const unsigned char* key_source, int32_t start_screen, int32_t left, int32_t top,
                  int32_t width, int32_t height, int32_t maximised, int32_t minimised);

/* 0 when version (its low 16 bits, read as a signed number) is 1; -1 when it is above 1 (the host
 * is newer); 1 when it is below 1 (the host is older). */
int32_t CheckVersion(int32_t version);

/* The screen number where the interview left the module (for example 8001 or 6601); 0 while it
 * has not left. Readable until the library is unloaded, also after FreeDLLResources. */
int32_t GetFailedScreenIndex(void);

/* Saves the answers to the tax-return file given to RunFTBModule and releases the run: 1 when
 * every step succeeded, 0 when one failed (the remaining steps are then skipped and the answers
 * are still held, so a later call can save them). After a release that succeeded the main window
 * takes no more input and a further call saves nothing. */
int32_t FreeDLLResources(void);

typedef void (*FtbRunModuleFn)(uintptr_t, uintptr_t, const unsigned char*, const unsigned char*,
                               int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t);
typedef int32_t (*FtbCheckVersionFn)(int32_t);
typedef int32_t (*FtbGetFailedScreenIndexFn)(void);
typedef int32_t (*FtbFreeResourcesFn)(void);

#ifdef __cplusplus
}
#endif

#endif /* FTBMODULE_H */
