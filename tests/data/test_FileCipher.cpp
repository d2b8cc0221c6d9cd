#include "data/FileCipher.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>
#include <unistd.h>

#include "data/Errors.h"
#include "data/MemoryFileSystem.h"

namespace ftb::data {
namespace {

namespace fs = std::filesystem;
using Bytes = std::string;

Bytes RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    Bytes bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

// One block through three-key Triple DES with the key K1 K2 K1: what two-key EDE must equal.
Bytes ThreeKeyDes(const FileKey& key, Bytes block, bool encrypt) {
    unsigned char key24[24];
    std::copy(key.begin(), key.end(), key24);
    std::copy(key.begin(), key.begin() + 8, key24 + 16);
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    auto* data = reinterpret_cast<unsigned char*>(block.data());
    int produced = 0;
    const bool ok = context &&
                    EVP_CipherInit_ex(context, EVP_des_ede3_ecb(), nullptr, key24, nullptr,
                                      encrypt) == 1 &&
                    EVP_CIPHER_CTX_set_padding(context, 0) == 1 &&
                    EVP_CipherUpdate(context, data, &produced, data, 8) == 1 && produced == 8;
    EVP_CIPHER_CTX_free(context);
    EXPECT_TRUE(ok);
    return block;
}

class FileCipherTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("ftb-cipher-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string PathOf(const char* name) const { return (dir_ / name).string(); }

    void Write(const char* name, const Bytes& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
    }
    Bytes Read(const char* name) const {
        std::ifstream in(PathOf(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    FileKey key_ = MakeFileKey("123");
    fs::path dir_;
};

TEST_F(FileCipherTest, BlocksAreTripleDesAndTheFinalBlockCountsTheRemainder) {
    for (std::size_t size : {0u, 7u, 55u, 56u}) {
        SCOPED_TRACE(size);
        const Bytes plain = RandomBytes(size, 1);
        Write("plain", plain);
        EncryptFile(RealFileSystem(), PathOf("plain"), PathOf("cipher"), key_);
        const Bytes cipher = Read("cipher");
        const std::size_t full = size / 8;
        ASSERT_EQ(cipher.size(), (full + 1) * 8);
        for (std::size_t i = 0; i < full; ++i)
            EXPECT_EQ(cipher.substr(8 * i, 8), ThreeKeyDes(key_, plain.substr(8 * i, 8), true));

        Bytes expectedFinal = plain.substr(8 * full) + Bytes(8 - size % 8, '\0');
        expectedFinal[7] = static_cast<char>(size % 8);
        EXPECT_EQ(ThreeKeyDes(key_, cipher.substr(8 * full), false), expectedFinal);
    }
}

TEST_F(FileCipherTest, DecryptRestoresEveryPlainSize) {
    std::vector<std::size_t> sizes;
    for (std::size_t size = 0; size <= 17; ++size) sizes.push_back(size);
    sizes.push_back(200'003);  // several transfer chunks and a remainder
    for (std::size_t size : sizes) {
        SCOPED_TRACE(size);
        const Bytes plain = RandomBytes(size, static_cast<unsigned>(size));
        Write("plain", plain);
        EncryptFile(RealFileSystem(), PathOf("plain"), PathOf("cipher"), key_);
        DecryptFile(RealFileSystem(), PathOf("cipher"), PathOf("back"), key_);
        EXPECT_EQ(Read("cipher").size(), (size / 8 + 1) * 8);
        EXPECT_TRUE(Read("back") == plain);
    }
}

TEST_F(FileCipherTest, DecryptRejectsALengthThatIsNotWholeBlocks) {
    for (std::size_t size : {0u, 5u, 57u}) {
        SCOPED_TRACE(size);
        Write("cipher", RandomBytes(size, 2));
        try {
            DecryptFile(RealFileSystem(), PathOf("cipher"), PathOf("back"), key_);
            ADD_FAILURE() << "no exception";
        } catch (const ECipherException& e) {
            EXPECT_STREQ(e.what(), "Invalid file format");
        }
        EXPECT_FALSE(fs::exists(PathOf("back")));
    }
}

TEST_F(FileCipherTest, AFinalCountAboveSevenAddsNothing) {
    const Bytes first = RandomBytes(8, 3);
    for (char count : {'\x08', '\xC8'}) {
        SCOPED_TRACE(static_cast<int>(count));
        Bytes final = RandomBytes(8, 4);
        final[7] = count;
        Write("cipher", ThreeKeyDes(key_, first, true) + ThreeKeyDes(key_, final, true));
        DecryptFile(RealFileSystem(), PathOf("cipher"), PathOf("back"), key_);
        EXPECT_EQ(Read("back"), first);
    }
}

TEST_F(FileCipherTest, AWrongKeyGivesAFileButNoError) {
    const Bytes plain = RandomBytes(56, 5);
    Write("plain", plain);
    EncryptFile(RealFileSystem(), PathOf("plain"), PathOf("cipher"), key_);
    DecryptFile(RealFileSystem(), PathOf("cipher"), PathOf("back"), MakeFileKey("0123"));
    const Bytes back = Read("back");
    EXPECT_GE(back.size(), 56u);
    EXPECT_LE(back.size(), 63u);
    EXPECT_NE(back.substr(0, 56), plain);
}

TEST_F(FileCipherTest, OpenAndCreateFailuresPropagate) {
    Write("plain", "abc");
    for (auto* cipher : {&EncryptFile, &DecryptFile}) {
        EXPECT_THROW(cipher(RealFileSystem(), PathOf("missing"), PathOf("out"), key_, 0600),
                     EFileOpenError);
        EXPECT_FALSE(fs::exists(PathOf("out")));
    }
    EXPECT_THROW(EncryptFile(RealFileSystem(), PathOf("plain"), PathOf("no/dir"), key_),
                 EFileOpenError);
}

// A file system whose files claim more bytes than they hold, like a file cut short while read.
class ShrinkingFileSystem : public MemoryFileSystem {
public:
    std::unique_ptr<File> OpenRead(const std::string& path) override {
        struct Shrinking : File {
            std::unique_ptr<File> file;
            std::size_t Read(void* buffer, std::size_t count) override {
                return file->Read(buffer, count);
            }
            std::size_t Write(const void* buffer, std::size_t count) override {
                return file->Write(buffer, count);
            }
            std::uint64_t Size() override { return file->Size() + 8; }
            bool Sync() override { return file->Sync(); }
        };
        auto shrinking = std::make_unique<Shrinking>();
        shrinking->file = MemoryFileSystem::OpenRead(path);
        return shrinking;
    }
};

TEST(FileCipher, AShortReadFailsAndKeepsTheBlocksWritten) {
    ShrinkingFileSystem files;
    files.SetContents("cipher", RandomBytes(16, 6));
    try {
        DecryptFile(files, "cipher", "back", MakeFileKey(""));
        ADD_FAILURE() << "no exception";
    } catch (const ECipherException& e) {
        EXPECT_STREQ(e.what(), "Invalid file format");
    }
    EXPECT_EQ(files.Contents("back")->size(), 16u);

    files.SetContents("plain", RandomBytes(16, 7));
    EXPECT_THROW(EncryptFile(files, "plain", "cipher", MakeFileKey("")), EInOutError);
}

TEST(FileCipher, AShortWriteRaisesAnInOutError) {
    const FileKey key = MakeFileKey("42");
    MemoryFileSystem files;
    files.SetContents("plain", RandomBytes(100, 8));
    EncryptFile(files, "plain", "cipher", key);
    files.Remove("plain");
    files.SetCapacity(104 + 99);  // the encrypted file and all but one byte of the plain one
    try {
        DecryptFile(files, "cipher", "plain", key);
        ADD_FAILURE() << "no exception";
    } catch (const EInOutError& e) {
        EXPECT_STREQ(e.what(), "Cannot write file \"plain\". No space left on device");
    }
    files.SetCapacity(99 + 103);
    files.SetContents("plain", RandomBytes(99, 9));
    files.Remove("cipher");
    EXPECT_THROW(EncryptFile(files, "plain", "cipher", key), EInOutError);
}

TEST(FileCipher, ThePlainOutputIsOwnerOnlyByDefault) {
    MemoryFileSystem files;
    files.SetContents("plain", "return data");
    EncryptFile(files, "plain", "cipher", MakeFileKey("7"));
    DecryptFile(files, "cipher", "back", MakeFileKey("7"));
    EXPECT_EQ(files.Mode("cipher"), 0644u);
    EXPECT_EQ(files.Mode("back"), 0600u);
    EXPECT_EQ(files.Contents("back"), "return data");
}

}  // namespace
}  // namespace ftb::data
