#pragma once
// Bitmap resources of the numeric type 2 lack the file header that bitmap readers expect.
#include <cstdint>
#include <span>
#include <vector>

namespace ballforge {

/// A complete bitmap file for the data: the data itself when it starts with "BM", otherwise the
/// data behind a 14-byte file header whose pixel offset counts the information header and colour
/// table. Empty when the data is neither (too short, or an unknown header size).
std::vector<std::uint8_t> BitmapFileFromData(std::span<const std::uint8_t> data);

} // namespace ballforge
