#pragma once
// The commands of ftbfile, the command-line tool for tax-return files: make a new return, print
// one as JSON, write one from JSON, print the file key of a key source, list what a return still
// lacks, and print the family circumstance tests of a return on dates.
#include <QStringList>
#include <iosfwd>

namespace ftb::ftbfile {

// kExitWarnings: check found something the claim still lacks.
enum ExitCode { kExitSuccess = 0, kExitFailure = 1, kExitUsage = 2, kExitWarnings = 3 };

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
