#include "platform/Messages.h"

#include <QCoreApplication>
#include <QEvent>

namespace ftb::platform {

void PostMessage(QObject* target, int message) {
    if (target == nullptr) return;
    QCoreApplication::postEvent(target, new QEvent(static_cast<QEvent::Type>(message)));
}

void SendMessage(QObject* target, int message) {
    if (target == nullptr) return;
    QEvent event(static_cast<QEvent::Type>(message));
    QCoreApplication::sendEvent(target, &event);
}

}  // namespace ftb::platform
