#pragma once
// 32-bit integers and length-prefixed 8-bit strings, the building blocks of the games' records.
#include "documents/ByteReader.h"
#include "documents/ByteWriter.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

void WriteInt(ByteWriter& out, std::int32_t value);
std::int32_t ReadInt(ByteReader& in);

/// A 32-bit length followed by that many bytes, no terminator.
void WriteString(ByteWriter& out, std::string_view text);
/// Raises EReadError when the length runs past the end, before anything is allocated.
std::string ReadString(ByteReader& in);

} // namespace ballforge
