#include "formats/PEChecksum.h"

#include <cstring>

namespace ballforge {

// 2^16 = 1 modulo 0xFFFF, so the end-around-carry sum of 16-bit words equals the sum of 32-bit
// words folded at the end: the loop adds eight bytes at a time and never folds.
void TPEChecksum::Add(std::span<const std::uint8_t> bytes) {
    const std::uint8_t* p = bytes.data();
    std::size_t n = bytes.size();
    length_ += n;
    if (n == 0) return;
    if (odd_) {
        sum_ += std::uint64_t(pending_) | (std::uint64_t(*p) << 8);
        odd_ = false;
        ++p;
        --n;
    }
    std::uint64_t a = 0, b = 0;
    while (n >= 8) {
        std::uint64_t x;
        std::memcpy(&x, p, 8);
        a += x & 0xFFFFFFFFu;
        b += x >> 32;
        p += 8;
        n -= 8;
        // Each addend is below 2^32: fold the accumulators every 2^30 words to stay far from overflow.
        if ((a | b) >> 62) {
            a = (a & 0xFFFFFFFFu) + (a >> 32);
            b = (b & 0xFFFFFFFFu) + (b >> 32);
        }
    }
    sum_ = (sum_ & 0xFFFFFFFFu) + (sum_ >> 32);
    sum_ += (a & 0xFFFFFFFFu) + (a >> 32) + (b & 0xFFFFFFFFu) + (b >> 32);
    while (n >= 2) {
        sum_ += std::uint64_t(p[0]) | (std::uint64_t(p[1]) << 8);
        p += 2;
        n -= 2;
    }
    if (n == 1) {
        pending_ = *p;
        odd_ = true;
    }
}

void TPEChecksum::AddZeros(std::uint64_t count) {
    length_ += count;
    if (count == 0) return;
    if (odd_) odd_ = false, sum_ += pending_, --count; // the pending byte is the low half of a word
    if (count % 2) {
        pending_ = 0;
        odd_ = true;
    }
}

std::uint32_t TPEChecksum::Value() const {
    std::uint64_t s = sum_;
    if (odd_) s += pending_; // a final odd byte counts as a word of its own
    while (s >> 16) s = (s & 0xFFFF) + (s >> 16);
    return static_cast<std::uint32_t>(s) + static_cast<std::uint32_t>(length_);
}

std::uint32_t PEImageChecksum(std::span<const std::uint8_t> image, std::uint64_t checksumOffset) {
    TPEChecksum sum;
    if (checksumOffset + 4 > image.size()) {
        sum.Add(image);
        return sum.Value();
    }
    sum.Add(image.first(static_cast<std::size_t>(checksumOffset)));
    sum.AddZeros(4);
    sum.Add(image.subspan(static_cast<std::size_t>(checksumOffset + 4)));
    return sum.Value();
}

} // namespace ballforge
