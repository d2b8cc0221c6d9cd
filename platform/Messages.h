#pragma once
// Window messages as Qt events: a message is a QEvent whose type is the message number.
class QObject;

namespace ftb::platform {

constexpr int kSaveAndCloseMessage = 1025;  // to the main window: save the shown screen, close
constexpr int kLoadScreenMessage = 1027;    // posted to the frame: load the next screen
constexpr int kLeaveMessage = 1131;         // posted to the host: the interview left the module
constexpr int kCloseMessage = 1132;         // posted to the host: the claimant closed the module

// Queued: delivered on the next event processing, after the current handler returns.
void PostMessage(QObject* target, int message);
// Delivered at once.
void SendMessage(QObject* target, int message);

}  // namespace ftb::platform
