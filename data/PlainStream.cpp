#include "data/PlainStream.h"

#include <algorithm>
#include <cstring>

#include "data/Errors.h"

namespace ftb::data {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

}  // namespace

PlainReader::PlainReader(File& file) : file_(file), size_(file.Size()) {}

void PlainReader::Refill() {
    std::uint64_t fileLeft = size_ - position_;
    std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, fileLeft));
    buffer_.resize(want);
    bufferStart_ = 0;
    if (file_.Read(buffer_.data(), want) != want) throw EInOutError("Read beyond end of file");
}

void PlainReader::Bytes(void* out, std::size_t count) {
    if (count > BytesLeft()) throw EInOutError("Read beyond end of file");
    auto* target = static_cast<std::uint8_t*>(out);
    while (count > 0) {
        if (bufferStart_ == buffer_.size()) Refill();
        std::size_t n = std::min(count, buffer_.size() - bufferStart_);
        std::memcpy(target, buffer_.data() + bufferStart_, n);
        bufferStart_ += n;
        position_ += n;
        target += n;
        count -= n;
    }
}

std::string PlainReader::Text(std::size_t length) {
    std::string text(length, '\0');
    Bytes(text.data(), length);
    return text;
}

std::uint8_t PlainReader::UInt8() {
    std::uint8_t value = 0;
    Bytes(&value, 1);
    return value;
}

std::uint16_t PlainReader::UInt16() {
    std::uint8_t b[2];
    Bytes(b, 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::int32_t PlainReader::Int32() {
    std::uint8_t b[4];
    Bytes(b, 4);
    std::uint32_t value =
        static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
        (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    return static_cast<std::int32_t>(value);
}

void PlainWriter::Bytes(const void* data, std::size_t count) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    buffer_.insert(buffer_.end(), bytes, bytes + count);
    FlushWhenFull();
}

void PlainWriter::UInt16(std::uint16_t value) {
    buffer_.push_back(static_cast<std::uint8_t>(value));
    buffer_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PlainWriter::Int32(std::int32_t value) {
    auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        buffer_.push_back(static_cast<std::uint8_t>(bits >> shift));
    FlushWhenFull();
}

void PlainWriter::FlushWhenFull() {
    if (buffer_.size() >= kChunk) Flush();
}

void PlainWriter::Flush() {
    if (buffer_.empty()) return;
    if (file_.Write(buffer_.data(), buffer_.size()) != buffer_.size())
        throw EInOutError("Disk write error", ReasonOf(file_.LastError()));
    buffer_.clear();
}

}  // namespace ftb::data
