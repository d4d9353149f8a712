#pragma once
// Reader and writer of one Windows string-table block (sixteen strings).
#include "documents/ByteReader.h"
#include "documents/ByteWriter.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace ballforge {

/// Block T holds the strings with IDs 16 (T - 1) to 16 (T - 1) + 15. Texts are held as UTF-8;
/// on disk every item is a 16-bit length in UTF-16 code units and that many code units.
class TStringtabledecoder {
public:
    static constexpr int StringCount = 16;

    explicit TStringtabledecoder(std::int32_t tableNumber) : tableNumber_(tableNumber) {}

    std::int32_t tableNumber() const { return tableNumber_; }

    /// Reads the sixteen items at the stream's position; items missing at the end are empty.
    void LoadFromStream(ByteReader& stream);
    void LoadFromStream(std::span<const std::uint8_t> bytes) {
        ByteReader reader(bytes);
        LoadFromStream(reader);
    }
    /// Writes all sixteen items; raises std::out_of_range for a text over 65535 UTF-16 code units,
    /// before anything is written.
    void SaveToStream(ByteWriter& stream) const;
    std::vector<std::uint8_t> SaveToBytes() const {
        ByteWriter w;
        SaveToStream(w);
        return w.take();
    }

    /// The string with a string ID; eerrormessage "ID not in current table" for an ID of another block.
    const std::string& GetString(std::int32_t id) const;
    void SetString(std::int32_t id, const std::string& text);

    /// Direct access by position 0 to 15, as the string table editor uses it.
    std::array<std::string, StringCount> strings;

private:
    std::size_t PositionOf(std::int32_t id) const;

    std::int32_t tableNumber_;
};

} // namespace ballforge
