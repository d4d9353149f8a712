#pragma once
// A 32-bit picture in memory: 0xAARRGGBB pixels, row by row from the top, rows without padding.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ballforge {

/// A 32-bit image with straight (not premultiplied) alpha. The pixel layout is the one
/// QImage::Format_ARGB32 uses on little-endian machines, so the interface can wrap Bits()
/// without copying (bytes per line = width * 4).
class TBitmap32 {
public:
    TBitmap32() = default;
    TBitmap32(int width, int height, std::uint32_t fill = 0) { Resize(width, height, fill); }

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    std::size_t pixelCount() const { return pixels_.size(); }

    /// Sets the size and fills every pixel; negative sizes count as 0.
    void Resize(int width, int height, std::uint32_t fill = 0);
    /// Fills every pixel with one value (transparent black by default).
    void Clear(std::uint32_t value = 0);

    std::uint32_t Pixel(int x, int y) const {
        return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
    }
    void SetPixel(int x, int y, std::uint32_t value) {
        pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = value;
    }
    std::uint32_t* ScanLine(int y) { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    const std::uint32_t* ScanLine(int y) const {
        return pixels_.data() + std::size_t(y) * std::size_t(width_);
    }

    /// The pixel array, addressed as row * width + column.
    std::uint32_t* Bits() { return pixels_.data(); }
    const std::uint32_t* Bits() const { return pixels_.data(); }
    std::vector<std::uint32_t>& pixels() { return pixels_; }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

    bool operator==(const TBitmap32& other) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

} // namespace ballforge
