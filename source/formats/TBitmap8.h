#pragma once
// An 8-bit indexed picture with a 256-entry colour table, the target of palette reduction.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ballforge {

/// Indexed pixels row by row from the top, one byte each, rows without padding. The colour table
/// holds Windows RGBQUAD values read as little-endian 32-bit words: blue in the lowest byte, then
/// green, then red, the top byte 0 (the same word layout as QImage's colour table).
class TBitmap8 {
public:
    TBitmap8() = default;
    TBitmap8(int width, int height, std::uint8_t fill = 0) { Resize(width, height, fill); }

    int width() const { return width_; }
    int height() const { return height_; }

    /// Sets the size and fills every pixel; negative sizes count as 0.
    void Resize(int width, int height, std::uint8_t fill = 0);

    std::uint8_t Pixel(int x, int y) const {
        return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
    }
    void SetPixel(int x, int y, std::uint8_t value) {
        pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = value;
    }
    std::uint8_t* ScanLine(int y) { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    const std::uint8_t* ScanLine(int y) const {
        return pixels_.data() + std::size_t(y) * std::size_t(width_);
    }
    const std::vector<std::uint8_t>& pixels() const { return pixels_; }

    std::array<std::uint32_t, 256> colourTable{};

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> pixels_;
};

} // namespace ballforge
