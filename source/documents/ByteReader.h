#pragma once
// Bounds-checked little-endian reading over a byte span. Every binary parser goes through it.
#include "documents/Errors.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <type_traits>

namespace ballforge {

/// Reads little-endian values from a span; any read past the end throws EReadError.
class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(std::span<const std::uint8_t> bytes) : data_(bytes) {}

    std::size_t size() const { return data_.size(); }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    bool atEnd() const { return pos_ >= data_.size(); }
    std::span<const std::uint8_t> bytes() const { return data_; }

    /// True when [offset, offset + count) lies inside the span; overflow-safe.
    bool canRead(std::uint64_t offset, std::uint64_t count) const {
        return offset <= data_.size() && count <= data_.size() - offset;
    }

    void seek(std::uint64_t offset) {
        if (offset > data_.size()) fail("seek past the end");
        pos_ = static_cast<std::size_t>(offset);
    }
    void skip(std::uint64_t count) {
        if (!canRead(pos_, count)) fail("skip past the end");
        pos_ += static_cast<std::size_t>(count);
    }

    template <typename T> T read() {
        static_assert(std::is_trivially_copyable_v<T>);
        T value = peek<T>(pos_);
        pos_ += sizeof(T);
        return value;
    }

    template <typename T> T peek(std::uint64_t offset) const {
        static_assert(std::is_trivially_copyable_v<T>);
        if (!canRead(offset, sizeof(T))) fail("read past the end");
        T value;
        std::memcpy(&value, data_.data() + offset, sizeof(T));
        return value; // the formats are little-endian, as are the platforms we build for
    }

    std::uint8_t u8() { return read<std::uint8_t>(); }
    std::uint16_t u16() { return read<std::uint16_t>(); }
    std::uint32_t u32() { return read<std::uint32_t>(); }
    std::int32_t i32() { return read<std::int32_t>(); }

    /// A view of count bytes at the current position; advances past them.
    std::span<const std::uint8_t> take(std::uint64_t count) {
        auto s = slice(pos_, count);
        pos_ += s.size();
        return s;
    }

    /// A view of count bytes at an absolute offset.
    std::span<const std::uint8_t> slice(std::uint64_t offset, std::uint64_t count) const {
        if (!canRead(offset, count)) fail("slice past the end");
        return data_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(count));
    }

    /// A reader over a sub-range, positioned at its start.
    ByteReader sub(std::uint64_t offset, std::uint64_t count) const { return ByteReader(slice(offset, count)); }

    std::string readString(std::uint64_t count) {
        auto s = take(count);
        return std::string(reinterpret_cast<const char*>(s.data()), s.size());
    }

private:
    [[noreturn]] static void fail(const char* what) { throw EReadError(std::string("Read error: ") + what); }

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

} // namespace ballforge
