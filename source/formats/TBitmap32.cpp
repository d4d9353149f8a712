#include "formats/TBitmap32.h"

#include <algorithm>

namespace ballforge {

void TBitmap32::Resize(int width, int height, std::uint32_t fill) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(std::size_t(width_) * std::size_t(height_), fill);
}

void TBitmap32::Clear(std::uint32_t value) {
    std::fill(pixels_.begin(), pixels_.end(), value);
}

} // namespace ballforge
