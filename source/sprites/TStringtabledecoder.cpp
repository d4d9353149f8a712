#include "sprites/TStringtabledecoder.h"

#include "documents/Errors.h"
#include "documents/TextCodec.h"

#include <stdexcept>
#include <vector>

namespace ballforge {

void TStringtabledecoder::LoadFromStream(ByteReader& stream) {
    for (auto& s : strings) {
        s.clear();
        // A table that ends early is no error: the strings after its end are empty.
        if (stream.remaining() < 2) continue;
        const std::uint16_t length = stream.u16();
        if (length == 0 || stream.remaining() < std::size_t(length) * 2) continue;
        const auto bytes = stream.take(std::size_t(length) * 2);
        std::u16string text(length, u'\0');
        for (std::size_t i = 0; i < length; ++i)
            text[i] = char16_t(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        // Windows reads these strings as zero-terminated, so anything after a zero is not part of it.
        text.resize(std::min(text.size(), text.find(u'\0')));
        s = Utf16ToUtf8(text);
    }
}

void TStringtabledecoder::SaveToStream(ByteWriter& stream) const {
    std::vector<std::u16string> encoded;
    encoded.reserve(strings.size());
    for (const auto& s : strings) {
        encoded.push_back(Utf8ToUtf16(s));
        if (encoded.back().size() > 65535)
            throw std::out_of_range("A string table entry cannot be longer than 65535 characters");
    }
    for (const auto& text : encoded) {
        stream.u16(std::uint16_t(text.size()));
        for (char16_t unit : text)
            stream.u16(std::uint16_t(unit));
    }
}

std::size_t TStringtabledecoder::PositionOf(std::int32_t id) const {
    const std::uint16_t low = std::uint16_t(std::uint32_t(id) & 0xFFFF);
    if (low / 16 + 1 != tableNumber_) throw eerrormessage("ID not in current table");
    return low % 16;
}

const std::string& TStringtabledecoder::GetString(std::int32_t id) const {
    return strings[PositionOf(id)];
}

void TStringtabledecoder::SetString(std::int32_t id, const std::string& text) {
    strings[PositionOf(id)] = text;
}

} // namespace ballforge
