#include "tools/ftb-host/IdleWait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace ftb::host {
namespace {

class IdleProbe : public QObject {
  public:
    bool arrived = false;

  protected:
    bool event(QEvent* event) override {
        if (event->type() != Type()) return QObject::event(event);
        arrived = true;
        return true;
    }

  public:
    static QEvent::Type Type() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
};

}  // namespace

void WaitUntilIdle() {
    // A screen being loaded handles the pending events itself, and with them a probe; what it
    // posts after that waits for the second probe.
    for (int round = 0; round < 2; ++round) {
        IdleProbe probe;
        QCoreApplication::postEvent(&probe, new QEvent(IdleProbe::Type()), Qt::LowEventPriority);
        while (!probe.arrived) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

}  // namespace ftb::host
