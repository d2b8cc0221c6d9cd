#include "data/FileSystem.h"

#include <gtest/gtest.h>

namespace ftb::data {
namespace {

TEST(ChangeExtension, ReplacesOrAddsTheLastComponentsExtension) {
    struct Case {
        const char* path;
        const char* expected;
    } cases[] = {
        {"/tmp/RETURN.TAX", "/tmp/RETURN.BAK"},
        {"RETURN", "RETURN.BAK"},
        {"/tmp/dir.d/RETURN", "/tmp/dir.d/RETURN.BAK"},
        {"a.b.TAX", "a.b.BAK"},
    };
    for (const auto& c : cases) EXPECT_EQ(ChangeExtension(c.path, ".BAK"), c.expected) << c.path;
}

}  // namespace
}  // namespace ftb::data
