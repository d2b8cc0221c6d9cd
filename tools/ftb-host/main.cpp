// ftb-host: the demo host of the family tax benefit module, and the player of its scenarios.
#include <iostream>

#include "tools/ftb-host/Host.h"
#include "tools/ftbfile/NativeArguments.h"

int main(int argc, char** argv) {
    return ftb::host::RunHost(ftb::ftbfile::ArgumentList(argc, argv), std::cout, std::cerr);
}
