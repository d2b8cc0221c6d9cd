#include "tools/ftb-host/RunInFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>

#include "data/Win1252.h"
#include "tools/ftb-host/Controls.h"
#include "tools/ftb-host/ReturnFiles.h"
#include "tools/ftb-host/Timings.h"

namespace ftb::host {
namespace {

// The first tick of the main window's timer comes after 2 seconds, every later one after 60.
constexpr int kTickInterval = 60000;

QString MessageOf(const std::exception& error) { return QString::fromUtf8(error.what()); }

}  // namespace

void DeliverTick(QTimer* timer) {
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
}

RunInFolder::~RunInFolder() {
    run_.reset();
    if (!previousFolder_.isEmpty()) QDir::setCurrent(previousFolder_);
}

void RunInFolder::Start(const RunStart& start, const HostOptions& options, ScreenTimings* timings) {
    folder_ =
        std::make_unique<QTemporaryDir>(QDir::temp().filePath(QStringLiteral("ftb-host-XXXXXX")));
    if (!folder_->isValid())
        throw EStepFailure(QStringLiteral("cannot make a temporary folder: ") +
                           folder_->errorString());
    const QString path = folder_->filePath(QStringLiteral("RETURN.TAX"));
    const std::optional<std::string> keyText = data::Utf8ToWin1252(start.key.toStdString());
    if (!keyText || keyText->size() > 255)
        throw EStepFailure(
            QStringLiteral("the key source must be at most 255 Windows-1252 characters"));
    if (start.fromJson)
        WriteReturnFromJson(path, start.key, *start.fromJson);
    else
        MakeNewReturn(path, start.key);
    // A module named relative to the current folder is found there, not in the run's.
    const QString module = QDir::isAbsolutePath(options.module)
                               ? options.module
                               : QDir::currentPath() + QLatin1Char('/') + options.module;
    previousFolder_ = QDir::currentPath();
    QDir::setCurrent(folder_->path());
    taxFile_ = QFile::encodeName(path).toStdString();
    keySource_ = *keyText;

    run_ = std::make_unique<ModuleRun>(module);
    if (timings != nullptr) timings->RunStarts();
    try {
        run_->Start({taxFile_, keySource_, start.screen, options.geometry, options.maximised});
    } catch (const EHostError& error) {
        startFailed_ = true;
        throw EStepFailure(QStringLiteral("the module did not start: ") + MessageOf(error));
    }
    // The first tick lays out the window and sets the 60-second pace; giving it now makes every
    // later tick a 60-second one, however long the script takes.
    if (auto* timer = MainWindow()->findChild<QTimer*>(QStringLiteral("Timer1"));
        timer != nullptr && timer->isActive() && timer->interval() < kTickInterval)
        DeliverTick(timer);
}

}  // namespace ftb::host
