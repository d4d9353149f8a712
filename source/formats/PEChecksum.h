#pragma once
// The standard PE image checksum, computed in a stream over the file's bytes.
#include <cstdint>
#include <span>

namespace ballforge {

/// Sums the file as 16-bit little-endian words with end-around carry. Feed the bytes in any chunks;
/// the CheckSum field itself must be fed as zeros. Value() adds the file length as the format wants.
class TPEChecksum {
public:
    void Add(std::span<const std::uint8_t> bytes);
    void AddZeros(std::uint64_t count);
    std::uint64_t Length() const { return length_; }
    std::uint32_t Value() const;

private:
    std::uint64_t sum_ = 0;     // wide accumulator, folded only at the end
    std::uint64_t length_ = 0;
    bool odd_ = false;          // the last chunk ended inside a word
    std::uint8_t pending_ = 0;  // its low byte
};

/// The checksum of a whole image whose CheckSum field is at checksumOffset.
std::uint32_t PEImageChecksum(std::span<const std::uint8_t> image, std::uint64_t checksumOffset);

} // namespace ballforge
