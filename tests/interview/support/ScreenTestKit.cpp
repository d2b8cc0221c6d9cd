#include "interview/support/ScreenTestKit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <string>

namespace ftb::interview::testkit {

TScreenTestKit::TScreenTestKit() {
    Dialogs.onFailure = [](const std::string& failure) { ADD_FAILURE() << failure; };
}

TScreenTestKit::~TScreenTestKit() {
    for (const std::string& unmet : Dialogs.Unmet()) ADD_FAILURE() << unmet;
}

bool ShowActive(QWidget& screen) {
    screen.show();
    screen.activateWindow();
    QApplication::setActiveWindow(&screen);
    return QTest::qWaitForWindowActive(&screen);
}

}  // namespace ftb::interview::testkit
