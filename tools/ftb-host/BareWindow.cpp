#include "tools/ftb-host/BareWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <string_view>

namespace ftb::host {
namespace {

constexpr const char* kLinePrefix = "bare window: first paint after ";

// Stops the loop at the first paint of the watched widget.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QEventLoop& loop) : loop_(loop) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            loop_.quit();
        }
        return false;
    }

  private:
    QEventLoop& loop_;
};

QString PageOfText() {
    QString text = QStringLiteral("<b>The steps of the claim</b><br><br>");
    for (int line = 1; line <= 18; ++line)
        text += QStringLiteral("Step %1: a line of the overview with <b>bold</b> and "
                               "<font color=navy>coloured</font> words.<br>")
                    .arg(line);
    return text;
}

}  // namespace

double MeasureBareWindow() {
    QElapsedTimer clock;
    clock.start();
    QMainWindow window;
    window.setGeometry(10, 10, 860, 620);
    auto* bar = window.addToolBar(QStringLiteral("Bar"));
    for (const char* name : {"Save", "Notes", "Calculator", "Help", "Print", "Close"})
        bar->addAction(QString::fromLatin1(name));

    auto* central = new QWidget;
    auto* rows = new QVBoxLayout(central);
    auto* caption = new QLabel(QStringLiteral("<b>Family tax benefit</b>   7803"));
    rows->addWidget(caption);
    auto* middle = new QHBoxLayout;
    auto* tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    for (const char* section : {"Start of FTB", "Your residency", "Your details"})
        tree->addTopLevelItem(new QTreeWidgetItem({QString::fromLatin1(section)}));
    middle->addWidget(tree, 1);
    auto* page = new QLabel(PageOfText());
    page->setWordWrap(true);
    middle->addWidget(page, 3);
    rows->addLayout(middle, 1);
    auto* buttons = new QHBoxLayout;
    for (const char* name : {"&More", "&Close", "&Prev", "&Yes", "&No", "Ne&xt"})
        buttons->addWidget(new QPushButton(QString::fromLatin1(name)));
    rows->addLayout(buttons);
    window.setCentralWidget(central);

    QEventLoop loop;
    FirstPaint paint(loop);
    page->installEventFilter(&paint);
    window.show();
    loop.exec();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Numbers are written and read in the C form whatever the locale says.
std::string BareWindowLine(double milliseconds) {
    return kLinePrefix + QString::number(milliseconds, 'f', 1).toStdString() + " ms\n";
}

std::optional<double> ParseBareWindowLine(const std::string& output) {
    const std::size_t at = output.find(kLinePrefix);
    if (at == std::string::npos) return std::nullopt;
    const std::size_t from = at + std::string_view(kLinePrefix).size();
    const std::size_t end = output.find(" ms", from);
    if (end == std::string::npos) return std::nullopt;
    bool ok = false;
    const double milliseconds =
        QString::fromStdString(output.substr(from, end - from)).toDouble(&ok);
    return ok ? std::optional<double>(milliseconds) : std::nullopt;
}

std::optional<double> BareWindowInFreshProcess(const std::string& program) {
    QProcess process;
    process.start(QString::fromStdString(program), {QStringLiteral("--bare-window")});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return ParseBareWindowLine(process.readAllStandardOutput().toStdString());
}

}  // namespace ftb::host
