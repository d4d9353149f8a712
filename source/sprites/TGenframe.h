#pragma once
// The abstract sprite frame that the toy preview draws through.
#include "formats/PetzPalettes.h"
#include "formats/TBitmap32.h"

#include <cstdint>
#include <vector>

namespace ballforge {

class TGenAnimation;

/// A frame's position in its animation's coordinate space.
struct TPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TPoint&) const = default;
};

/// One picture of an animation: run-length coded pixel data exactly as stored, decoded on demand.
class TGenframe {
public:
    TGenframe(const TPetzPalette* framePalette, std::int32_t frameTransparentIndex)
        : transparentIndex(frameTransparentIndex), palette(framePalette) {}
    virtual ~TGenframe() = default;
    TGenframe(const TGenframe&) = delete;
    TGenframe& operator=(const TGenframe&) = delete;

    virtual TPoint GetOffset() const = 0;
    /// Raises std::out_of_range unless both coordinates lie in 0 to 65535.
    virtual void SetOffset(TPoint offset) = 0;
    /// Replaces the picture with a 16 x 16 chart of the palette.
    virtual void DrawPaletteChart() = 0;
    /// Decodes into bitmap (resized to the frame); false, with the bitmap untouched, when it cannot.
    virtual bool DecodeTo(TBitmap32& bitmap) const = 0;
    /// Replaces the pixel data with an encoding of bitmap in the frame's own format.
    virtual void EncodeFrom(const TBitmap32& bitmap) = 0;
    virtual void Assign(const TGenframe&) {}
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;

    TGenAnimation* owner = nullptr; // the animation holding this frame; not owned
    std::int32_t transparentIndex;  // the index that stands for transparency when encoding format 1
    const TPetzPalette* palette;    // not owned
    std::vector<std::uint8_t> pixelData;
};

} // namespace ballforge
