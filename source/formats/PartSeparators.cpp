#include "formats/PartSeparators.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace ballforge {

bool ScanUntilSeparator(ByteReader& source, TSeparator separator, std::span<const std::uint8_t>& part) {
    part = {};
    const auto all = source.bytes();
    const std::size_t start = source.position();
    const std::size_t length = separator.size();
    if (length == 0 || all.size() < length || start + 1 > all.size() - length) return false;
    const std::uint8_t* begin = all.data() + start + 1;
    const std::uint8_t* end = all.data() + all.size();
    const std::uint8_t* found = nullptr;
    // memchr on the first byte, then a compare: fast for both the single zero and the long markers.
    for (const std::uint8_t* p = begin; p + length <= end;) {
        p = static_cast<const std::uint8_t*>(std::memchr(p, separator[0], std::size_t(end - length + 1 - p)));
        if (!p) break;
        if (std::memcmp(p, separator.data(), length) == 0) {
            found = p;
            break;
        }
        ++p;
    }
    if (!found) {
        source.seek(all.size());
        return false;
    }
    const std::size_t at = std::size_t(found - all.data());
    part = all.subspan(start, at - start);
    source.seek(at + length);
    return true;
}

bool CopyUntilSeparator(ByteReader& source, std::vector<std::uint8_t>& target, TSeparator separator) {
    std::span<const std::uint8_t> part;
    if (!ScanUntilSeparator(source, separator, part)) return false;
    target.assign(part.begin(), part.end());
    return true;
}

void WriteSeparator(ByteWriter& out, TSeparator separator) {
    out.bytes(separator);
}

std::uint32_t ByteSum(std::span<const std::uint8_t> bytes, std::uint32_t start) {
    // Eight bytes at a time: even and odd bytes go to four 16-bit lanes, emptied before they can
    // overflow (128 words add at most 128 * 2 * 255 to a lane). Pets run to megabytes and are summed
    // on every load and save.
    constexpr std::uint64_t kLow = 0x00FF00FF00FF00FFull;
    std::uint64_t total = start;
    const std::uint8_t* p = bytes.data();
    std::size_t n = bytes.size();
    while (n >= 8) {
        const std::size_t words = std::min<std::size_t>(n / 8, 128);
        std::uint64_t lanes = 0;
        for (std::size_t i = 0; i < words; ++i, p += 8) {
            std::uint64_t w;
            std::memcpy(&w, p, 8);
            lanes += (w & kLow) + ((w >> 8) & kLow);
        }
        n -= words * 8;
        total += (lanes & 0xFFFF) + (lanes >> 16 & 0xFFFF) + (lanes >> 32 & 0xFFFF) + (lanes >> 48);
    }
    while (n--)
        total += *p++;
    return static_cast<std::uint32_t>(total);
}

} // namespace ballforge
