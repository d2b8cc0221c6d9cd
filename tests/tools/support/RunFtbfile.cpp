#include "tools/support/RunFtbfile.h"

#include <QStringList>
#include <sstream>

#include "tools/ftbfile/Commands.h"
#include "tools/ftbfile/NativeArguments.h"

namespace ftb::ftbfile::test_support {

Outcome Ftbfile(const std::vector<std::string>& arguments, const std::string& input) {
    QStringList list{QStringLiteral("ftbfile")};
    // As the program's main() takes its arguments: their bytes, whatever they are.
    for (const std::string& argument : arguments) list << ArgumentText(argument);
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunFtbfile(list, {in, out, err});
    return {code, out.str(), err.str()};
}

}  // namespace ftb::ftbfile::test_support
