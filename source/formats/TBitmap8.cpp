#include "formats/TBitmap8.h"

#include <algorithm>

namespace ballforge {

void TBitmap8::Resize(int width, int height, std::uint8_t fill) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(std::size_t(width_) * std::size_t(height_), fill);
}

} // namespace ballforge
