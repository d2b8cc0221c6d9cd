#include "data/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include "data/Errors.h"

namespace ftb::data {
namespace {

std::string ReadAll(File& file) {
    std::string bytes(static_cast<std::size_t>(file.Size()), '\0');
    bytes.resize(file.Read(bytes.data(), bytes.size()));
    return bytes;
}

TEST(MemoryFileSystem, WritesAndReadsBackThroughHandles) {
    MemoryFileSystem files;
    {
        auto out = files.Create("a", 0600);
        EXPECT_EQ(out->Write("hello", 5), 5u);
        EXPECT_EQ(out->Write(" world", 6), 6u);
        char byte;
        EXPECT_EQ(out->Read(&byte, 1), 0u);  // created for writing only
        EXPECT_TRUE(out->Sync());
    }
    auto in = files.OpenRead("a");
    EXPECT_EQ(in->Size(), 11u);
    char first[5];
    EXPECT_EQ(in->Read(first, 5), 5u);
    EXPECT_EQ(std::string(first, 5), "hello");
    char rest[10];
    EXPECT_EQ(in->Read(rest, 10), 6u);  // stops at the end
    EXPECT_EQ(in->Read(rest, 10), 0u);
    EXPECT_EQ(in->Write("x", 1), 0u);  // opened for reading only
    EXPECT_EQ(files.Mode("a"), 0600u);
}

TEST(MemoryFileSystem, CreateTruncatesInPlaceAndKeepsTheMode) {
    MemoryFileSystem files;
    files.Create("a", 0600)->Write("old data", 8);
    auto reader = files.OpenRead("a");
    files.Create("a", 0644)->Write("new", 3);
    EXPECT_EQ(ReadAll(*reader), "new");  // an open reader sees the same file
    EXPECT_EQ(files.Mode("a"), 0600u);
}

TEST(MemoryFileSystem, NamesBehaveAsOnDisk) {
    MemoryFileSystem files;
    files.SetContents("a", "first");
    files.SetContents("b", "second");
    EXPECT_THROW(files.OpenRead("missing"), EFileOpenError);
    EXPECT_FALSE(files.Rename("missing", "c"));

    EXPECT_FALSE(files.Link("a", "b"));  // the new name is taken
    EXPECT_TRUE(files.Link("a", "c"));
    files.SetContents("c", "shared");
    EXPECT_EQ(files.Contents("a"), "shared");

    EXPECT_TRUE(files.Rename("a", "b"));  // replaces b
    EXPECT_FALSE(files.Exists("a"));
    EXPECT_EQ(files.Contents("b"), "shared");

    EXPECT_TRUE(files.Remove("b"));
    EXPECT_FALSE(files.Remove("b"));
    EXPECT_EQ(files.Contents("b"), std::nullopt);
    EXPECT_EQ(files.Contents("c"), "shared");  // the other name keeps the file
    EXPECT_TRUE(files.SyncDirectory(""));
}

TEST(MemoryFileSystem, AFullDiskCutsWritesShort) {
    MemoryFileSystem files;
    files.SetContents("a", "12345");
    files.Link("a", "b");  // counted once
    files.SetCapacity(8);
    auto out = files.Create("c");
    EXPECT_EQ(out->Write("abcd", 4), 3u);
    EXPECT_EQ(out->Write("d", 1), 0u);
    EXPECT_EQ(files.Contents("c"), "abc");
    files.Remove("a");
    files.Remove("b");
    EXPECT_EQ(out->Write("defgh", 5), 5u);  // removing files frees their room
    EXPECT_EQ(files.Contents("c"), "abcdefgh");
}

}  // namespace
}  // namespace ftb::data
