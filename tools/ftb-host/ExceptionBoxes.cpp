#include "tools/ftb-host/ExceptionBoxes.h"

#include <QRegularExpression>

namespace ftb::host {

bool IsExceptionReport(const QString& title, const QString& text) {
    if (title != QLatin1String("Error")) return false;
    // ReportErrors' own text for an exception that is no std::exception; the module's errors
    // (a range error, a missing control, a misused resizer, a screen outside the frame); and
    // the standard library's messages, which name their function ("vector::_M_range_check",
    // "basic_string::substr", "stoi") or their class ("std::bad_alloc", "bad optional access").
    static const QRegularExpression exception(
        QStringLiteral("^(Unexpected error|Range check error|The screen has no control |"
                       "The screen is not shown in the interview frame|Unknown control kind of |"
                       "The control .* is declared in |TFormResizer |TSingleResizer |"
                       "sto(i|l|ll|ul|ull|f|d|ld)$|std::|bad[ _]|[A-Za-z_]+::)"));
    return exception.match(text.trimmed()).hasMatch();
}

}  // namespace ftb::host
