#pragma once
// Buffered little-endian reading and writing of an open file, for the plain tax-return format.
// Both count bytes against the file, so a short transfer is an EInOutError, never a silent end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "data/FileSystem.h"

namespace ftb::data {

class PlainReader {
  public:
    explicit PlainReader(File& file);

    // The end of the file as its size tells it.
    bool AtEnd() const { return position_ >= size_; }
    std::uint64_t BytesLeft() const { return size_ - position_; }

    // Each raises EInOutError when fewer bytes are left or the file delivers fewer.
    void Bytes(void* out, std::size_t count);
    std::string Text(std::size_t length);
    std::uint8_t UInt8();
    std::uint16_t UInt16();
    std::int32_t Int32();

  private:
    void Refill();

    File& file_;
    std::uint64_t size_;
    std::uint64_t position_ = 0;  // bytes handed out
    std::vector<std::uint8_t> buffer_;
    std::size_t bufferStart_ = 0;  // first unread byte of the buffer
};

class PlainWriter {
  public:
    explicit PlainWriter(File& file) : file_(file) {}

    void Bytes(const void* data, std::size_t count);
    void UInt8(std::uint8_t value) { buffer_.push_back(value); }
    void UInt16(std::uint16_t value);
    void Int32(std::int32_t value);
    // Hands the buffered bytes to the file; raises EInOutError on a short write.
    void Flush();

  private:
    void FlushWhenFull();

    File& file_;
    std::vector<std::uint8_t> buffer_;
};

}  // namespace ftb::data
