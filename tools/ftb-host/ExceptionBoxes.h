#pragma once
// How the module's exceptions look to a person: every handler of the module runs through
// platform::ReportErrors, which shows the message of an exception that reached it in an "Error"
// box, as it shows the claimant's corrections. What tells them apart is the text: the messages
// of the module's own errors and of the standard library's, never a sentence for the claimant.
#include <QString>

namespace ftb::host {

// Whether a box with this title and text reports an exception rather than something for the
// claimant to correct.
bool IsExceptionReport(const QString& title, const QString& text);

}  // namespace ftb::host
