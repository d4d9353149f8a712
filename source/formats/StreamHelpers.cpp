#include "formats/StreamHelpers.h"

namespace ballforge {

void WriteInt(ByteWriter& out, std::int32_t value) {
    out.i32(value);
}

std::int32_t ReadInt(ByteReader& in) {
    return in.i32();
}

void WriteString(ByteWriter& out, std::string_view text) {
    out.u32(static_cast<std::uint32_t>(text.size()));
    out.text(text);
}

std::string ReadString(ByteReader& in) {
    const std::uint32_t length = in.u32();
    if (length > in.remaining()) throw EReadError("Read error: string length runs past the end");
    return in.readString(length);
}

} // namespace ballforge
