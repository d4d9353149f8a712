#include "sprites/TSpriteRCdecoder.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace ballforge {

namespace {

std::string ReadName(ByteReader& stream) {
    const std::string raw = stream.readString(TSpriteRCdecoder::NameSize);
    return raw.substr(0, raw.find('\0'));
}

void WriteName(ByteWriter& stream, const std::string& name) {
    const std::size_t n = std::min(name.size(), TSpriteRCdecoder::NameSize);
    stream.text(std::string_view(name).substr(0, n));
    stream.zeros(TSpriteRCdecoder::NameSize - n);
}

} // namespace

void TSpriteRCdecoder::LoadFromStream(ByteReader& stream) {
    list.Clear();
    const std::uint32_t count = stream.u32();
    for (std::uint32_t i = 0; i < count; ++i) {
        if (stream.remaining() < EntrySize)
            throw EReadError("Read error: the sprite list ends after " + std::to_string(i) + " of its " +
                             std::to_string(count) + " entries");
        auto item = std::make_unique<TSpriteRC>();
        item->spriteName = ReadName(stream);
        item->displayName = ReadName(stream);
        const std::uint32_t id = stream.u32();
        item->tag = stream.u32();
        if (id > 65535)
            throw std::out_of_range("Breed ID " + std::to_string(id) + " of sprite list entry " +
                                    std::to_string(i) + " is above 65535");
        item->breedID = std::uint16_t(id);
        list.Add(std::move(item));
    }
}

void TSpriteRCdecoder::SaveToStream(ByteWriter& stream) const {
    stream.u32(std::uint32_t(list.Count()));
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const TSpriteRC& item = list.Item(i);
        WriteName(stream, item.spriteName);
        WriteName(stream, item.displayName);
        stream.u32(item.breedID);
        stream.u32(item.tag);
    }
}

} // namespace ballforge
