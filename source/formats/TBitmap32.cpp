#include "formats/TBitmap32.h"

#include <algorithm>
#include <cstring>

namespace ballforge {

void TBitmap32::Resize(int width, int height, std::uint32_t fill) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    const std::size_t count = std::size_t(width_) * std::size_t(height_);
    if (pixels_.size() != count) pixels_.resize(count);
    Clear(fill);
}

void TBitmap32::Clear(std::uint32_t value) {
    // Decoding clears a frame-sized bitmap every time; memset is several times faster than a fill loop.
    if (value == 0 && !pixels_.empty())
        std::memset(pixels_.data(), 0, pixels_.size() * sizeof(std::uint32_t));
    else
        std::fill(pixels_.begin(), pixels_.end(), value);
}

} // namespace ballforge
