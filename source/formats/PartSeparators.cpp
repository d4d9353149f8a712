#include "formats/PartSeparators.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace ballforge {

bool CopyUntilSeparator(ByteReader& source, std::vector<std::uint8_t>& target, TSeparator separator) {
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
    const auto part = all.subspan(start, at - start);
    target.assign(part.begin(), part.end());
    source.seek(at + length);
    return true;
}

void WriteSeparator(ByteWriter& out, TSeparator separator) {
    out.bytes(separator);
}

std::uint32_t ByteSum(std::span<const std::uint8_t> bytes, std::uint32_t start) {
    std::uint32_t sum = start;
    for (std::uint8_t b : bytes)
        sum += b;
    return sum;
}

} // namespace ballforge
