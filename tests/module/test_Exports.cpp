// The module as a host sees it: the real libftbmodule.so loaded with dlopen, its four entry
// points called in the host's order, the messages it posts to the host window, the return it
// saves, and the unloading. The module shows real boxes here, so every fixture is one that
// raises none.
#include <dlfcn.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "data/FieldStore.h"
#include "data/TaxFile.h"
#include "include/ftbmodule.h"
#include "platform/ScriptedDialogs.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kKey = "876543210";
constexpr int kKeptField = 500;

QString Latin(const char* text) { return QString::fromLatin1(text); }

// The host window: it records the messages the module posts to it.
class THost : public QObject {
public:
    std::vector<int> Messages;

protected:
    bool event(QEvent* event) override {
        if (event->type() >= QEvent::User) {
            Messages.push_back(event->type());
            return true;
        }
        return QObject::event(event);
    }
};

// One load of the library, with its four entry points.
struct TModule {
    explicit TModule(const std::string& file) : File(file) {
        Handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (Handle == nullptr) {
            ADD_FAILURE() << "dlopen: " << dlerror();
            return;
        }
        Run = reinterpret_cast<FtbRunModuleFn>(dlsym(Handle, "RunFTBModule"));
        Check = reinterpret_cast<FtbCheckVersionFn>(dlsym(Handle, "CheckVersion"));
        Failed = reinterpret_cast<FtbGetFailedScreenIndexFn>(dlsym(Handle, "GetFailedScreenIndex"));
        Free = reinterpret_cast<FtbFreeResourcesFn>(dlsym(Handle, "FreeDLLResources"));
        if (!Run || !Check || !Failed || !Free) ADD_FAILURE() << "an entry point is missing";
    }
    ~TModule() {
        if (Handle != nullptr) Unload();
    }

    // True when the library really left the process.
    bool Unload() {
        const int closed = dlclose(Handle);
        Handle = nullptr;
        void* again = dlopen(File.c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (again != nullptr) dlclose(again);
        return closed == 0 && again == nullptr;
    }

    std::string File;
    void* Handle = nullptr;
    FtbRunModuleFn Run = nullptr;
    FtbCheckVersionFn Check = nullptr;
    FtbGetFailedScreenIndexFn Failed = nullptr;
    FtbFreeResourcesFn Free = nullptr;
};

// A length byte followed by the characters, as the host passes texts.
std::string Counted(const std::string& text) { return static_cast<char>(text.size()) + text; }
const unsigned char* Bytes(const std::string& counted) {
    return reinterpret_cast<const unsigned char*>(counted.data());
}

std::string Content(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

void ProcessEvents() {
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// The module's main window among the application's windows; null when there is none.
QMainWindow* ModuleWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == Latin("MainForm")) return qobject_cast<QMainWindow*>(widget);
    }
    return nullptr;
}

class ExportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        returnPath = Path("RETURN.TAX");
        dialogs.onFailure = [](const std::string& failure) { ADD_FAILURE() << failure; };
    }

    std::string Path(const char* name) const { return temp.filePath(Latin(name)).toStdString(); }

    // A return holding one answer of its own, saved with no screen position or history.
    void WriteReturn() {
        ftb::data::FieldStore store;
        store.SetFieldStr(1, kKey);
        store.SetFieldStr(kKeptField, "kept");
        ftb::data::TaxFile file(store, ftb::data::RealFileSystem(), dialogs);
        file.Save(returnPath);
    }

    struct TSaved {
        ftb::data::FieldStore store;
        std::int32_t group = 0;
        std::int32_t index = 0;
        std::vector<std::int32_t> history;
    };
    TSaved ReadReturn() {
        TSaved saved;
        ftb::data::TaxFile file(saved.store, ftb::data::RealFileSystem(), dialogs);
        file.SetKeySource(kKey);
        file.Read(returnPath);
        saved.group = file.ScreenGroup();
        saved.index = file.ScreenIndex();
        saved.history = file.History();
        return saved;
    }

    void Start(TModule& module, int screen, int maximised = 0, int minimised = 0) {
        const std::string path = Counted(returnPath);
        const std::string key = Counted(kKey);
        module.Run(0, reinterpret_cast<uintptr_t>(&host), Bytes(path), Bytes(key), screen, 10, 20,
                   820, 620, maximised, minimised);
    }

    QTemporaryDir temp;
    std::string returnPath;
    ftb::platform::ScriptedDialogs dialogs;
    THost host;
};

TEST(ExportsLibrary, ExportsExactlyTheFourEntryPoints) {
    FILE* pipe = popen("nm -D --defined-only '" FTB_MODULE_LIBRARY "'", "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string entry(line);
        while (!entry.empty() && (entry.back() == '\n' || entry.back() == '\r')) entry.pop_back();
        names.insert(entry.substr(entry.find_last_of(' ') + 1));
    }
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(names, (std::set<std::string>{"CheckVersion", "FreeDLLResources",
                                            "GetFailedScreenIndex", "RunFTBModule"}));
}

TEST(ExportsLibrary, CheckVersionReadsTheLowSixteenBits) {
    TModule module(FTB_MODULE_LIBRARY);
    ASSERT_NE(module.Handle, nullptr);
    const struct {
        int32_t version;
        int32_t result;
    } cases[] = {{1, 0}, {2, -1}, {0, 1}, {-5, 1}, {65537, 0}, {65535, 1}, {32767, -1}};
    for (const auto& c : cases) EXPECT_EQ(module.Check(c.version), c.result) << c.version;
    EXPECT_TRUE(module.Unload());
}

TEST_F(ExportsTest, FullRunShowsTheFirstScreenSavesTheReturnAndUnloads) {
    WriteReturn();
    TModule module(FTB_MODULE_LIBRARY);
    ASSERT_NE(module.Handle, nullptr);
    ASSERT_EQ(module.Check(1), 0);
    EXPECT_EQ(module.Failed(), 0);

    Start(module, 7803);
    ProcessEvents();
    QMainWindow* window = ModuleWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), Latin("Ledgra 2002 - ") + QString::fromStdString(returnPath));
    auto* label = window->findChild<QLabel*>(Latin("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), Latin("7803"));
    EXPECT_EQ(module.Failed(), 0);
    EXPECT_TRUE(host.Messages.empty());

    EXPECT_EQ(module.Free(), 1);
    const TSaved saved = ReadReturn();
    EXPECT_EQ(saved.store.GetFieldStr(kKeptField), "kept");
    EXPECT_EQ(saved.store.GetFieldStr(1300), "EI");
    EXPECT_EQ(saved.group, 78);
    EXPECT_EQ(saved.index, 3);
    EXPECT_EQ(saved.history, std::vector<std::int32_t>{7803});
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Path("RETURN.BAK"))));

    EXPECT_TRUE(module.Unload());
    EXPECT_EQ(ModuleWindow(), nullptr);
}

TEST_F(ExportsTest, StartAtAScreenTheModuleDoesNotOwnPostsTheLeaveMessage) {
    WriteReturn();
    TModule module(FTB_MODULE_LIBRARY);
    ASSERT_NE(module.Handle, nullptr);
    Start(module, 8001);
    // Posted, not sent: the host sees it on its next event processing.
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(module.Failed(), 8001);
    ProcessEvents();
    EXPECT_EQ(host.Messages, std::vector<int>{FTB_LEAVE_MESSAGE});
    EXPECT_EQ(module.Free(), 1);
    EXPECT_EQ(module.Failed(), 8001);  // still readable after the release
    EXPECT_TRUE(module.Unload());
}

TEST_F(ExportsTest, WindowStateFollowsTheFlagsMaximisedFirst) {
    WriteReturn();
    const struct {
        int maximised;
        int minimised;
        Qt::WindowState state;
    } cases[] = {{1, 1, Qt::WindowMaximized},
                 {1, 0, Qt::WindowMaximized},
                 {0, 1, Qt::WindowMinimized},
                 {0, 0, Qt::WindowNoState}};
    for (const auto& c : cases) {
        TModule module(FTB_MODULE_LIBRARY);
        ASSERT_NE(module.Handle, nullptr);
        Start(module, 7803, c.maximised, c.minimised);
        ProcessEvents();
        QMainWindow* window = ModuleWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowState(), Qt::WindowStates(c.state))
            << c.maximised << " " << c.minimised;
        if (c.state == Qt::WindowNoState) {
            EXPECT_EQ(window->pos(), QPoint(10, 20));
            EXPECT_EQ(window->size(), QSize(820, 620));
        }
        EXPECT_EQ(module.Free(), 1);
        EXPECT_TRUE(module.Unload());
    }
}

TEST_F(ExportsTest, FailedSaveReturnsZeroAndKeepsTheAnswersForALaterRelease) {
    WriteReturn();
    TModule module(FTB_MODULE_LIBRARY);
    ASSERT_NE(module.Handle, nullptr);
    Start(module, 7803);
    ProcessEvents();

    // A folder in the backup's place makes the save fail (whoever runs the test).
    const fs::path obstruction = Path("RETURN.BAK");
    fs::create_directory(obstruction);
    std::FILE* inside = std::fopen((obstruction / "x").c_str(), "w");
    ASSERT_NE(inside, nullptr);
    std::fclose(inside);
    const std::string before = Content(returnPath);
    EXPECT_EQ(module.Free(), 0);
    EXPECT_EQ(Content(returnPath), before);  // the return is as it was

    fs::remove_all(obstruction);
    EXPECT_EQ(module.Free(), 1);
    const TSaved saved = ReadReturn();
    EXPECT_EQ(saved.store.GetFieldStr(kKeptField), "kept");
    EXPECT_EQ(saved.history, std::vector<std::int32_t>{7803});
    EXPECT_TRUE(module.Unload());
}

TEST_F(ExportsTest, ReleaseKeepsTheNotesBeingTyped) {
    WriteReturn();
    TModule module(FTB_MODULE_LIBRARY);
    ASSERT_NE(module.Handle, nullptr);
    Start(module, 7803);
    ProcessEvents();
    QMainWindow* window = ModuleWindow();
    ASSERT_NE(window, nullptr);
    auto* notesButton = window->findChild<QToolButton*>(Latin("NotesBtn"));
    ASSERT_NE(notesButton, nullptr);
    QTest::mouseClick(notesButton, Qt::LeftButton);
    auto* memo = window->findChild<QPlainTextEdit*>(Latin("Notes"));
    ASSERT_NE(memo, nullptr);
    QTest::keyClicks(memo, Latin("Ring the school"));

    EXPECT_EQ(module.Free(), 1);
    const TSaved saved = ReadReturn();
    ASSERT_NE(saved.store.GetFieldLst(399), nullptr);
    EXPECT_EQ(*saved.store.GetFieldLst(399), ftb::data::TextList{"Ring the school"});
    EXPECT_TRUE(module.Unload());
}

TEST_F(ExportsTest, UnreadableReturnThrowsOutOfRunAndIsNotOverwritten) {
    const struct {
        const char* what;
        std::string content;  // nothing: no file at all
        bool exists;
    } cases[] = {{"missing", "", false}, {"not whole cipher blocks", "thirteen byte", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(returnPath);
        if (c.exists) {
            std::FILE* file = std::fopen(returnPath.c_str(), "wb");
            ASSERT_NE(file, nullptr);
            std::fwrite(c.content.data(), 1, c.content.size(), file);
            std::fclose(file);
        }
        TModule module(FTB_MODULE_LIBRARY);
        ASSERT_NE(module.Handle, nullptr);
        std::string message;
        try {
            Start(module, 7803);
            ADD_FAILURE() << "RunFTBModule returned";
        } catch (const std::exception& error) {
            message = error.what();
        }
        // Either message names the return.
        EXPECT_EQ(message, c.exists ? "Cannot read file \"" + returnPath + "\". Invalid file format"
                                    : "Cannot open file \"" + returnPath +
                                          "\". No such file or directory");
        EXPECT_EQ(ModuleWindow(), nullptr);

        EXPECT_EQ(module.Free(), 1);
        EXPECT_EQ(fs::exists(returnPath), c.exists);
        if (c.exists) {
            EXPECT_EQ(fs::file_size(returnPath), c.content.size());
        }
        EXPECT_TRUE(module.Unload());
    }
}

TEST_F(ExportsTest, HelpComesFromTheFileBesideTheLibrary) {
    WriteReturn();
    // A copy of the library with a help file of its own beside it.
    const fs::path copy = Path("libftbmodule.so");
    fs::copy_file(FTB_MODULE_LIBRARY, copy);
    {
        std::FILE* help = std::fopen(Path("FTB2002.HLP").c_str(), "w");
        ASSERT_NE(help, nullptr);
        std::fputs("# 1 Beside the library\nThis topic ships with the copy.\n", help);
        std::fclose(help);
    }
    TModule module(copy.string());
    ASSERT_NE(module.Handle, nullptr);
    Start(module, 7803);
    ProcessEvents();
    QMainWindow* window = ModuleWindow();
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window->findChild<QToolButton*>(Latin("HelpBtn")), Qt::LeftButton);

    QPointer<QWidget> viewer;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == Latin("HelpViewer") && widget->isVisible()) viewer = widget;
    ASSERT_NE(viewer, nullptr);
    auto* contents = viewer->findChild<QListWidget*>(Latin("HelpContents"));
    ASSERT_NE(contents, nullptr);
    ASSERT_EQ(contents->count(), 1);
    EXPECT_EQ(contents->item(0)->text(), Latin("Beside the library"));

    EXPECT_EQ(module.Free(), 1);
    EXPECT_TRUE(module.Unload());
    EXPECT_TRUE(viewer.isNull());  // the viewer went with the module
}

// Unloading after the host's application has gone: nothing may call into the shut-down Qt. The
// test runs itself again as a fresh process, which ends its application before the unloading
// (a forked copy would wait for drawing threads it does not have).
TEST_F(ExportsTest, UnloadAfterTheApplicationHasGoneTouchesNoQt) {
    constexpr const char* kChild = "FTB_EXPORTS_UNLOAD_CHILD";
    if (qEnvironmentVariableIsSet(kChild)) {
        int code = 1;
        WriteReturn();
        TModule module(FTB_MODULE_LIBRARY);
        if (module.Handle != nullptr) {
            Start(module, 7803);
            ProcessEvents();
            if (module.Free() == 1) {
                // This process's application ends here; the process leaves with _exit, so it is
                // never used again.
                QCoreApplication::instance()->~QCoreApplication();
                if (QCoreApplication::instance() == nullptr && module.Unload()) code = 0;
            }
        }
        std::fflush(nullptr);
        _exit(code);
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChild), Latin("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {Latin("--gtest_filter=ExportsTest.UnloadAfterTheApplicationHasGoneTouchesNoQt")});
    ASSERT_TRUE(child.waitForFinished(120000));
    const std::string output = child.readAll().toStdString();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output;
    EXPECT_EQ(child.exitCode(), 0) << output;
}

}  // namespace
