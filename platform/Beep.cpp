#include "platform/Beep.h"

#include <QApplication>

namespace ftb::platform {
namespace {
int beeps = 0;
}

void Beep() {
    ++beeps;
    QApplication::beep();
}

int BeepCount() { return beeps; }

void ResetBeepCount() { beeps = 0; }

}  // namespace ftb::platform
