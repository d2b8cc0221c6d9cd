#include "tools/ftbfile/ConsoleReports.h"

#include <ostream>

#include "data/Win1252.h"

namespace ftb::ftbfile {

void ConsoleTrace::WriteLine(const std::string& text) {
    out_ << data::Win1252ToUtf8(text) << '\n';
}

void ConsoleTrace::ReportStep(const std::string& label, bool result) {
    // Some labels end in a blank; it would only stand before the colon.
    const std::string_view trimmed(label.data(), label.find_last_not_of(' ') + 1);
    out_ << "  " << data::Win1252ToUtf8(trimmed) << (result ? ": passed\n" : ": failed\n");
}

void ConsoleTrace::ReportDate(data::Date date) { out_ << "Date " << data::FormatDate(date) << '\n'; }

platform::DialogButton ConsoleDialogs::Show(const platform::MessageBox& box) {
    out_ << data::Win1252ToUtf8(box.text) << '\n';
    return box.defaultButton;
}

std::optional<std::string> ConsoleDialogs::Input(const std::string& title,
                                                 const std::string& prompt,
                                                 const std::string& defaultText) {
    Show({title, prompt, platform::DialogIcon::None, platform::dbOK | platform::dbCancel,
          platform::dbOK});
    return defaultText;
}

}  // namespace ftb::ftbfile
