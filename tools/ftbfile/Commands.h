#pragma once
// The commands of ftbfile, the command-line tool for tax-return files: make a new return, print
// one as JSON, write one from JSON, and print the file key of a key source.
#include <QStringList>
#include <iosfwd>

namespace ftb::ftbfile {

enum ExitCode { kExitSuccess = 0, kExitFailure = 1, kExitUsage = 2 };

// Where a command reads its input and writes its output and its messages.
struct Console {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// Runs one command line (arguments[0] is the program) and returns its exit code. Messages go to
// `console.err` in plain words; nothing is thrown.
int RunFtbfile(const QStringList& arguments, const Console& console);

}  // namespace ftb::ftbfile
