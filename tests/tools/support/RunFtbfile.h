#pragma once
// Runs an ftbfile command line as a function, with standard input given and the output and the
// messages captured.
#include <string>
#include <vector>

namespace ftb::ftbfile::test_support {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

// The arguments after the program name.
Outcome Ftbfile(const std::vector<std::string>& arguments, const std::string& input = {});

}  // namespace ftb::ftbfile::test_support
