// A module with faults for the explorer to find, built as a library the host loads like the real
// one: its frame shows 7803, whose Next reports an exception the way ReportErrors shows one and
// then moves to 7804; 7804's Yes shows a box without text and moves to 7805; 7804's No leaves for
// 8001; 7805 refuses every move. Just the exports and the widgets the host reads.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "include/ftbmodule.h"

namespace {

struct Run {
    QPointer<QMainWindow> window;
    QObject* host = nullptr;
    int exitScreen = 0;
};
Run run;

QPushButton* Button(QWidget* frame, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), frame);
    button->setObjectName(QLatin1String(name));
    return button;
}

void Show(int number);

void Leave(int exit) {
    run.exitScreen = exit;
    delete run.window->findChild<QWidget*>(QStringLiteral("ClientPanel"))->findChild<QWidget*>();
    QCoreApplication::postEvent(run.host, new QEvent(static_cast<QEvent::Type>(FTB_LEAVE_MESSAGE)));
}

void Box(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, run.window);
    box.exec();
}

void Show(int number) {
    QWidget* frame = run.window->findChild<QWidget*>(QStringLiteral("FrameWnd"));
    QWidget* panel = frame->findChild<QWidget*>(QStringLiteral("ClientPanel"));
    delete panel->findChild<QWidget*>();
    auto* screen = new QWidget(panel);
    screen->setObjectName(QStringLiteral("Screen"));
    screen->resize(200, 100);
    screen->show();
    frame->findChild<QLabel*>(QStringLiteral("Label1"))->setText(QString::number(number));
    frame->findChild<QPushButton*>(QStringLiteral("BtnNext"))->setVisible(number != 7804);
    frame->findChild<QPushButton*>(QStringLiteral("BtnYes"))->setVisible(number == 7804);
    frame->findChild<QPushButton*>(QStringLiteral("BtnNo"))->setVisible(number == 7804);
}

int Shown() {
    return run.window->findChild<QLabel*>(QStringLiteral("Label1"))->text().toInt();
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int32_t CheckVersion(int32_t version) {
    return version == FTB_MODULE_VERSION ? 0 : 1;
}

__attribute__((visibility("default"))) void RunFTBModule(uintptr_t, uintptr_t hostWindow,
                                                         const unsigned char*,
                                                         const unsigned char*, int32_t start,
                                                         int32_t, int32_t, int32_t, int32_t,
                                                         int32_t, int32_t) {
    run = Run{};
    run.host = reinterpret_cast<QObject*>(hostWindow);
    run.window = new QMainWindow;
    run.window->setObjectName(QStringLiteral("MainForm"));
    auto* frame = new QWidget(run.window);
    frame->setObjectName(QStringLiteral("FrameWnd"));
    run.window->setCentralWidget(frame);
    (new QWidget(frame))->setObjectName(QStringLiteral("ClientPanel"));
    (new QLabel(frame))->setObjectName(QStringLiteral("Label1"));
    QObject::connect(Button(frame, "BtnNext", "&Next"), &QPushButton::clicked, [] {
        if (Shown() == 7805) return;  // refuses
        Box(QStringLiteral("Error"),
            QStringLiteral("vector::_M_range_check: __n (which is 2) >= this->size() (which is 2)"));
        Show(7804);
    });
    QObject::connect(Button(frame, "BtnYes", "Yes"), &QPushButton::clicked, [] {
        Box(QStringLiteral("Information"), QString());
        Show(7805);
    });
    QObject::connect(Button(frame, "BtnNo", "No"), &QPushButton::clicked, [] { Leave(8001); });
    run.window->resize(400, 300);
    run.window->show();
    Show(start);
}

__attribute__((visibility("default"))) int32_t GetFailedScreenIndex(void) {
    return run.exitScreen;
}

__attribute__((visibility("default"))) int32_t FreeDLLResources(void) {
    delete run.window;
    return 1;
}

}  // extern "C"
