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
void EncryptFile(FileSystem& fs, const std::string& input, const std::string& output,
                 const FileKey& key, unsigned outputMode = 0644);

// Deciphers `input` into `output`. A file shorter than one block, or whose size is not a whole
// number of blocks, raises ECipherException("Invalid file format").
void DecryptFile(FileSystem& fs, const std::string& input, const std::string& output,
                 const FileKey& key, unsigned outputMode = 0600);

}  // namespace ftb::data
