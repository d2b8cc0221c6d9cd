#pragma once
// Where the assessment's reports go when ftbfile runs it: the trace sink and the message boxes
// become lines on a stream, their Windows-1252 texts written as UTF-8.
#include <iosfwd>
#include <optional>
#include <string>

#include "assessment/Trace.h"
#include "platform/Dialogs.h"

namespace ftb::ftbfile {

// Writes every trace report as one line: a written line as it is, a step as "  LABEL: passed"
// or "  LABEL: failed", a date under test as "Date dd/mm/yyyy".
class ConsoleTrace : public assessment::TraceSink {
public:
    explicit ConsoleTrace(std::ostream& out) : out_(out) {}

    void WriteLine(const std::string& text) override;
    void ReportStep(const std::string& label, bool result) override;
    void ReportDate(data::Date date) override;

private:
    std::ostream& out_;
};

// Shows no box: writes the text of each one as it is shown and answers with its default button
// (the input box with its default text).
class ConsoleDialogs : public platform::Dialogs {
public:
    explicit ConsoleDialogs(std::ostream& out) : out_(out) {}

    platform::DialogButton Show(const platform::MessageBox& box) override;
    std::optional<std::string> Input(const std::string& title, const std::string& prompt,
                                     const std::string& defaultText) override;

private:
    std::ostream& out_;
};

}  // namespace ftb::ftbfile
