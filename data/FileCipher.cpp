#include "data/FileCipher.h"

#include <openssl/err.h>
#include <openssl/evp.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#include "data/Errors.h"
#include "data/FileSystem.h"

namespace ftb::data {
namespace {

constexpr std::size_t kBlockSize = 8;
// Blocks are moved between the files in chunks of this many bytes (a whole number of blocks).
constexpr std::size_t kChunkSize = 8192 * kBlockSize;

[[noreturn]] void ThrowCipherFailure(const char* what) {
    char reason[256] = "unknown error";
    if (unsigned long code = ERR_get_error(); code != 0)
        ERR_error_string_n(code, reason, sizeof reason);
    ERR_clear_error();
    throw EFtbError(std::string("File cipher failed (") + what + "): " + reason);
}

// Two-key Triple DES, encrypt-decrypt-encrypt, applied to whole blocks without chaining.
class TripleDes {
public:
    TripleDes(const FileKey& key, bool encrypt) : context_(EVP_CIPHER_CTX_new()) {
        if (!context_) ThrowCipherFailure("context");
        // The 16-byte key is K1 (bytes 0..7) and K2 (bytes 8..15); this cipher takes K3 = K1.
        if (EVP_CipherInit_ex(context_.get(), EVP_des_ede_ecb(), nullptr, key.data(), nullptr,
                              encrypt ? 1 : 0) != 1 ||
            EVP_CIPHER_CTX_set_padding(context_.get(), 0) != 1)
            ThrowCipherFailure("set-up");
    }

    // Transforms `size` bytes (a whole number of blocks) in place.
    void Apply(std::uint8_t* data, std::size_t size) {
        int produced = 0;
        if (EVP_CipherUpdate(context_.get(), data, &produced, data, static_cast<int>(size)) != 1 ||
            static_cast<std::size_t>(produced) != size)
            ThrowCipherFailure("block");
    }

private:
    struct ContextFree {
        void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
    };
    std::unique_ptr<EVP_CIPHER_CTX, ContextFree> context_;
};

void WriteAll(File& file, const std::string& path, const std::uint8_t* data, std::size_t size) {
    if (file.Write(data, size) != size)
        {
        const std::string reason = ReasonOf(file.LastError());
        throw EInOutError("Cannot write file \"" + path + "\". " + reason, reason);
    }
}

// Moves `size` bytes (a whole number of blocks) from `in` through the cipher to `out`; a read
// that comes up short calls `shortRead`, which throws.
template <typename ShortRead>
void TransformBlocks(File& in, File& out, const std::string& outPath, TripleDes& cipher,
                     std::uint64_t size, ShortRead shortRead) {
    const auto nextChunk = [&size] {
        return static_cast<std::size_t>(std::min<std::uint64_t>(size, kChunkSize));
    };
    std::vector<std::uint8_t> buffer(nextChunk());
    while (size > 0) {
        const std::size_t count = nextChunk();
        if (in.Read(buffer.data(), count) != count) shortRead();
        cipher.Apply(buffer.data(), count);
        WriteAll(out, outPath, buffer.data(), count);
        size -= count;
    }
}

[[noreturn]] void ThrowInvalidFormat() { throw ECipherException("Invalid file format"); }

}  // namespace

void EncryptFile(FileSystem& fs, const std::string& input, const std::string& output,
                 const FileKey& key, unsigned outputMode) {
    auto in = fs.OpenRead(input);
    auto out = fs.Create(output, outputMode);
    EncryptStream(*in, *out, key, input, output);
}

void EncryptStream(File& in, File& out, const FileKey& key, const std::string& input,
                 const std::string& output) {
    TripleDes cipher(key, true);
    const auto readFailed = [&input]() -> void {
        throw EInOutError("Cannot read file \"" + input + "\"");
    };

    const std::uint64_t size = in.Size();
    TransformBlocks(in, out, output, cipher, size - size % kBlockSize, readFailed);

    // The final block holds the remaining bytes, zero fill, and their count in its last byte.
    const auto remainder = static_cast<std::size_t>(size % kBlockSize);
    std::uint8_t block[kBlockSize] = {};
    if (in.Read(block, remainder) != remainder) readFailed();
    block[kBlockSize - 1] = static_cast<std::uint8_t>(remainder);
    cipher.Apply(block, kBlockSize);
    WriteAll(out, output, block, kBlockSize);
}

void DecryptFile(FileSystem& fs, const std::string& input, const std::string& output,
                 const FileKey& key, unsigned outputMode) {
    auto in = fs.OpenRead(input);
    const std::uint64_t size = in->Size();
    if (size < kBlockSize || size % kBlockSize != 0) ThrowInvalidFormat();
    auto out = fs.Create(output, outputMode);
    DecryptStream(*in, *out, key, output);
}

void DecryptStream(File& in, File& out, const FileKey& key, const std::string& output) {
    const std::uint64_t size = in.Size();
    if (size < kBlockSize || size % kBlockSize != 0) ThrowInvalidFormat();
    TripleDes cipher(key, false);

    TransformBlocks(in, out, output, cipher, size - kBlockSize, ThrowInvalidFormat);

    std::uint8_t block[kBlockSize];
    if (in.Read(block, kBlockSize) != kBlockSize) ThrowInvalidFormat();
    cipher.Apply(block, kBlockSize);
    // A count above 7 comes only from a wrong key or a damaged file: the final block then
    // adds nothing, and the reader's signature test reports the file.
    const std::size_t count = block[kBlockSize - 1];
    if (count < kBlockSize) WriteAll(out, output, block, count);
}

}  // namespace ftb::data
