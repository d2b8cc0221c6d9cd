#include "data/FileSystem.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <set>

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

// A private work folder that a stopped read or save left is removed, with its work files, by
// the next one that makes a folder; folders still in use, other people's, and folders that
// hold anything but work files are not.
TEST(PrivateFolders, AbandonedWorkFoldersAreRemovedWhenTheNextOneIsMade) {
    namespace stdfs = std::filesystem;
    std::string pattern = (stdfs::temp_directory_path() / "folders-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const stdfs::path base = pattern;
    const char* previous = std::getenv("TMPDIR");
    const std::string saved = previous != nullptr ? previous : "";
    ::setenv("TMPDIR", base.c_str(), 1);

    FileSystem& fs = RealFileSystem();
    const std::string inUse = fs.MakePrivateFolder();
    const struct {
        std::string name;
        unsigned mode;
        std::vector<std::string> files;
        std::set<std::string> left;  // the folder's files afterwards; absent: folder removed
        bool removed;
    } cases[] = {
        {"ftb-abc123", 0700, {"R.SEC"}, {}, true},
        {"ftb-Empty1", 0700, {}, {}, true},
        {"ftb-notes1", 0700, {"R.SEC", "notes.txt"}, {"notes.txt"}, false},
        {"ftb-shared", 0755, {"R.SEC"}, {"R.SEC"}, false},
        {"ftb-toolong1", 0700, {"R.SEC"}, {"R.SEC"}, false},
        {stdfs::path(inUse).filename().string(), 0700, {"R.SEC"}, {"R.SEC"}, false},
    };
    for (const auto& c : cases) {
        stdfs::create_directories(base / c.name);
        for (const std::string& file : c.files) std::ofstream(base / c.name / file) << "plain";
        ::chmod((base / c.name).c_str(), c.mode);
    }

    const std::string made = fs.MakePrivateFolder();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(stdfs::exists(base / c.name), !c.removed);
        if (c.removed) continue;
        std::set<std::string> files;
        for (const auto& entry : stdfs::directory_iterator(base / c.name))
            files.insert(entry.path().filename().string());
        EXPECT_EQ(files, c.left);
    }
    EXPECT_TRUE(stdfs::is_directory(made));
    EXPECT_TRUE(fs.RemoveFolder(made));
    stdfs::remove(stdfs::path(inUse) / "R.SEC");
    EXPECT_TRUE(fs.RemoveFolder(inUse));

    if (previous != nullptr)
        ::setenv("TMPDIR", saved.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
    stdfs::remove_all(base);
}

}  // namespace
}  // namespace ftb::data
