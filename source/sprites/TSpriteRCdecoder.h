#pragma once
// Reader and writer of the sprite-list raw-data resource (raw data 1003 in a breed).
#include "documents/ByteReader.h"
#include "documents/ByteWriter.h"
#include "sprites/TSpriteList.h"

#include <span>

namespace ballforge {

/// The sprite list: a count, then entries of 72 bytes (two 32-byte names, breed ID, tag).
class TSpriteRCdecoder {
public:
    static constexpr std::size_t EntrySize = 72;
    static constexpr std::size_t NameSize = 32;

    /// Replaces the list by the entries at the stream's position. A list that ends before its
    /// announced entries raises EReadError, a breed ID above 65535 std::out_of_range; the entries
    /// read before the fault stay in the list.
    void LoadFromStream(ByteReader& stream);
    void LoadFromStream(std::span<const std::uint8_t> bytes) {
        ByteReader reader(bytes);
        LoadFromStream(reader);
    }
    /// Writes the count and every entry.
    void SaveToStream(ByteWriter& stream) const;
    std::vector<std::uint8_t> SaveToBytes() const {
        ByteWriter w;
        SaveToStream(w);
        return w.take();
    }

    TSpriteList list;
};

} // namespace ballforge
