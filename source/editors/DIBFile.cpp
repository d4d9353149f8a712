#include "editors/DIBFile.h"

#include "documents/ByteReader.h"
#include "documents/ByteWriter.h"
#include "documents/Errors.h"

namespace ballforge {

std::vector<std::uint8_t> BitmapFileFromData(std::span<const std::uint8_t> data) {
    if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') return {data.begin(), data.end()};
    try {
        ByteReader r(data);
        const std::uint32_t headerSize = r.read<std::uint32_t>();
        std::uint64_t colours = 0;
        std::uint64_t masks = 0;
        if (headerSize == 12) {
            // The old OS/2 header: 16-bit sizes, three-byte colour entries.
            r.read<std::uint16_t>();
            r.read<std::uint16_t>();
            r.read<std::uint16_t>();
            const std::uint16_t bits = r.read<std::uint16_t>();
            if (bits <= 8) colours = (std::uint64_t{1} << bits) * 3;
        } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 ||
                   headerSize == 124) {
            r.read<std::int32_t>();
            r.read<std::int32_t>();
            r.read<std::uint16_t>();
            const std::uint16_t bits = r.read<std::uint16_t>();
            const std::uint32_t compression = r.read<std::uint32_t>();
            r.read<std::uint32_t>();
            r.read<std::int32_t>();
            r.read<std::int32_t>();
            const std::uint32_t used = r.read<std::uint32_t>();
            if (used != 0)
                colours = std::uint64_t{used} * 4;
            else if (bits <= 8)
                colours = (std::uint64_t{1} << bits) * 4;
            // BI_BITFIELDS with the short header keeps its three masks in front of the pixels.
            if (headerSize == 40 && (compression == 3 || compression == 6))
                masks = compression == 3 ? 12 : 16;
        } else {
            return {};
        }
        const std::uint64_t offset = 14 + std::uint64_t{headerSize} + colours + masks;
        const std::uint64_t fileSize = 14 + std::uint64_t{data.size()};
        if (offset > fileSize || fileSize > 0xFFFFFFFFu) return {};
        ByteWriter w;
        w.write<std::uint8_t>('B');
        w.write<std::uint8_t>('M');
        w.write<std::uint32_t>(static_cast<std::uint32_t>(fileSize));
        w.write<std::uint32_t>(0);
        w.write<std::uint32_t>(static_cast<std::uint32_t>(offset));
        std::vector<std::uint8_t> out = w.take();
        out.insert(out.end(), data.begin(), data.end());
        return out;
    } catch (const EReadError&) {
        return {};
    }
}

} // namespace ballforge
