// Deciphers arbitrary bytes as a tax-return file. The input is one length byte n, up to 31
// bytes of key text, then the enciphered file. Whatever was deciphered must encipher and
// decipher back to itself.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/Errors.h"
#include "data/FileCipher.h"
#include "data/MemoryFileSystem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ftb::data;
    if (size == 0) return 0;
    const std::size_t keyLength = std::min<std::size_t>(data[0] % 32, size - 1);
    const std::string keyText(reinterpret_cast<const char*>(data + 1), keyLength);
    const std::string enciphered(reinterpret_cast<const char*>(data + 1 + keyLength),
                                 size - 1 - keyLength);
    const FileKey key = MakeFileKey(keyText);
    const bool wholeBlocks = !enciphered.empty() && enciphered.size() % 8 == 0;

    MemoryFileSystem files;
    files.SetContents("in", enciphered);
    try {
        DecryptFile(files, "in", "plain", key);
    } catch (const ftb::ECipherException&) {
        if (wholeBlocks) __builtin_trap();
        return 0;
    }
    if (!wholeBlocks) __builtin_trap();
    const std::string plain = *files.Contents("plain");
    if (plain.size() + 8 < enciphered.size() || plain.size() >= enciphered.size()) __builtin_trap();

    EncryptFile(files, "plain", "again", key);
    DecryptFile(files, "again", "back", key);
    if (files.Contents("back") != plain) __builtin_trap();
    return 0;
}
