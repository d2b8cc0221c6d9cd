// Saves a large return over FILE for the save-kill test: writes one byte to standard output
// when the answers are ready and the save begins, so the test can stop it during the save.
#include <unistd.h>

#include <cstdio>
#include <exception>

#include "data/FileSystem.h"
#include "data/TaxFile.h"
#include "platform/RecordingDialogs.h"
#include "tests/data/support/LargeReturn.h"

int main(int argc, char** argv) {
    if (argc != 3 || argv[2][0] == '\0') {
        std::fprintf(stderr, "usage: save_large_return FILE VARIANT\n");
        return 2;
    }
    using namespace ftb;
    data::FieldStore store;
    data::testing::FillLargeReturn(store, argv[2][0]);
    platform::RecordingDialogs dialogs;
    data::TaxFile file(store, data::RealFileSystem(), dialogs);
    const data::ScreenPosition position = data::testing::LargeReturnPosition();
    file.SetScreen(position.group, position.index);
    file.History() = position.history;
    if (::write(STDOUT_FILENO, "s", 1) != 1) return 1;
    try {
        file.Save(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return dialogs.shown.empty() ? 0 : 1;
}
