#pragma once
// Little-endian writing into a growable buffer, the counterpart of ByteReader.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

namespace ballforge {

/// Appends little-endian values to a byte vector; put() writes at an absolute offset.
class ByteWriter {
public:
    ByteWriter() = default;
    explicit ByteWriter(std::size_t reserve) { buf_.reserve(reserve); }

    template <typename T> void write(T value) {
        static_assert(std::is_trivially_copyable_v<T>);
        const auto* p = reinterpret_cast<const std::uint8_t*>(&value);
        buf_.insert(buf_.end(), p, p + sizeof(T));
    }
    template <typename T> void put(std::size_t offset, T value) {
        static_assert(std::is_trivially_copyable_v<T>);
        if (offset + sizeof(T) > buf_.size()) buf_.resize(offset + sizeof(T));
        std::memcpy(buf_.data() + offset, &value, sizeof(T));
    }
    void u8(std::uint8_t v) { write(v); }
    void u16(std::uint16_t v) { write(v); }
    void u32(std::uint32_t v) { write(v); }
    void i32(std::int32_t v) { write(v); }
    void bytes(std::span<const std::uint8_t> b) { buf_.insert(buf_.end(), b.begin(), b.end()); }
    void text(std::string_view s) { buf_.insert(buf_.end(), s.begin(), s.end()); }
    void zeros(std::size_t count) { buf_.resize(buf_.size() + count, 0); }
    void alignTo(std::size_t alignment) {
        if (alignment > 1 && buf_.size() % alignment) zeros(alignment - buf_.size() % alignment);
    }

    std::size_t size() const { return buf_.size(); }
    const std::vector<std::uint8_t>& buffer() const { return buf_; }
    std::vector<std::uint8_t> take() { return std::move(buf_); }

private:
    std::vector<std::uint8_t> buf_;
};

} // namespace ballforge
