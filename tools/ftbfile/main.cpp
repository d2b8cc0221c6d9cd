// ftbfile: the command-line tool for tax-return files.
#include <iostream>

#include "tools/ftbfile/Commands.h"
#include "tools/ftbfile/NativeArguments.h"

int main(int argc, char** argv) {
    return ftb::ftbfile::RunFtbfile(ftb::ftbfile::ArgumentList(argc, argv),
                                    {std::cin, std::cout, std::cerr});
}
