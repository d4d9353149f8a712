#pragma once
// A frame of an "SPR" container and the codec of its three run-length pixel formats.
#include "sprites/TGenframe.h"

#include <cstdint>
#include <span>
#include <string>

namespace ballforge {

/// The 24-byte frame header exactly as stored; the fields not named here are carried unchanged.
struct TSPRFrameHeader {
    std::uint16_t offsetX;
    std::uint16_t offsetY;
    std::uint16_t kept4;
    std::uint16_t kept6;
    std::uint16_t height;
    std::uint16_t width;
    std::uint8_t kept12[8];
    std::uint16_t format;
    std::uint16_t kept22;
};
static_assert(sizeof(TSPRFrameHeader) == 24, "the stored frame header is 24 bytes");

/// Pixel formats: 1 palette indexed, 2 true colour with on/off transparency, 3 true colour with
/// four alpha levels. Each is a sequence of runs led by one control byte.
class TSPRFrame : public TGenframe {
public:
    static constexpr std::size_t HeaderSize = sizeof(TSPRFrameHeader);

    TSPRFrame(const TPetzPalette* framePalette, std::int32_t frameTransparentIndex);

    TPoint GetOffset() const override { return {header.offsetX, header.offsetY}; }
    void SetOffset(TPoint offset) override;
    void DrawPaletteChart() override;
    /// False for an unknown format, and for a size larger than the pixel data could ever cover
    /// (a damaged header must not make us allocate gigabytes); the bitmap is then untouched.
    bool DecodeTo(TBitmap32& bitmap) const override;
    /// Raises std::out_of_range for a bitmap over 65535 pixels wide or high, and eerrormessage
    /// for an unknown format; in both cases the frame is left exactly as it was.
    void EncodeFrom(const TBitmap32& bitmap) override;
    void Assign(const TGenframe& other) override;
    int GetWidth() const override { return header.width; }
    int GetHeight() const override { return header.height; }

    int format() const { return header.format; }
    /// Why DecodeTo would answer false, or empty when it would decode.
    std::string DecodeProblem() const;

    void SetHeaderBytes(std::span<const std::uint8_t> bytes);
    std::array<std::uint8_t, HeaderSize> HeaderBytes() const;

    TSPRFrameHeader header{};
};

} // namespace ballforge
