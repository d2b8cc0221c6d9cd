#pragma once
// ftb-host as a function: the command line in, the exit code out. A run of the module needs the
// QApplication; RunHost makes one (given only the program name, so Qt takes none of the host's
// options) unless one exists already.
#include <QStringList>
#include <iosfwd>

namespace ftb::host {

enum ExitCode { kExitSuccess = 0, kExitFailure = 1, kExitUsage = 2 };

// Runs one command line (arguments[0] is the program). The report goes to `out`, problems to
// `err`; nothing is thrown.
int RunHost(const QStringList& arguments, std::ostream& out, std::ostream& err);

}  // namespace ftb::host
