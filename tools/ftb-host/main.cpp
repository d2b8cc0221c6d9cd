// ftb-host: the demo host of the family tax benefit module, and the player of its scenarios.
#include <QString>
#include <QStringList>
#include <iostream>

#include "tools/ftb-host/Host.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return ftb::host::RunHost(arguments, std::cout, std::cerr);
}
