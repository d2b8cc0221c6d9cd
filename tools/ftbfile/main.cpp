// ftbfile: the command-line tool for tax-return files.
#include <QString>
#include <QStringList>
#include <iostream>

#include "tools/ftbfile/Commands.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return ftb::ftbfile::RunFtbfile(arguments, {std::cin, std::cout, std::cerr});
}
