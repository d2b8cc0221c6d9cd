#pragma once
// The cipher of the tax-return file: the key digest that turns the key text's digits into a
// 16-byte key, and two-key Triple DES (EDE, ECB) applied block by block between two files.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/FileSystem.h"

namespace ftb::data {

using FileKey = std::array<std::uint8_t, 16>;

// The 16-byte key digest of the key text's bytes (digits only, possibly empty).
FileKey MakeFileKey(std::string_view keyText);

// Enciphers `input` into `output` (created, replacing an existing file, with `outputMode` when
// new). The output is (size / 8 + 1) * 8 bytes; the final block carries the remainder count.
// A read or write that moves fewer bytes than asked raises EInOutError; open and create
// failures raise EFileOpenError. Neither function syncs its output to the disk.
void EncryptFile(FileSystem& fs, const std::string& input, const std::string& output,
                 const FileKey& key, unsigned outputMode = 0644);

// Deciphers `input` into `output`. A file shorter than one block, or whose size is not a whole
// number of blocks, raises ECipherException("Invalid file format") before the output is created;
// a block that cannot be read in full raises it too, and the blocks written so far stay. A final
// block whose count is above 7 (a wrong key or a damaged file) adds nothing and raises nothing,
// so the reader's signature test reports the file.
void DecryptFile(FileSystem& fs, const std::string& input, const std::string& output,
                 const FileKey& key, unsigned outputMode = 0600);

// The same between two open files; `input` and `output` name them in the messages.
void EncryptStream(File& in, File& out, const FileKey& key, const std::string& input,
                 const std::string& output);
void DecryptStream(File& in, File& out, const FileKey& key, const std::string& output);

}  // namespace ftb::data
