#pragma once
// The platform's alert sound, sounded for refused keystrokes and bad commands. Tests count it.

namespace ftb::platform {

void Beep();
int BeepCount();
void ResetBeepCount();

}  // namespace ftb::platform
