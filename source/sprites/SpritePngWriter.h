#pragma once
// Pictures out of the sprite codec as files any viewer shows: PNG frames and animated PNGs.
#include "formats/TBitmap32.h"
#include "sprites/TGenAnimation.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ballforge {

/// A PNG with alpha of the bitmap (through libpng). Raises std::runtime_error when libpng refuses it.
std::vector<std::uint8_t> EncodePng(const TBitmap32& bitmap);

/// An animated PNG: every picture is one full frame of the same size shown for delayMs milliseconds,
/// looping for ever. Viewers without animation support show the first picture.
std::vector<std::uint8_t> EncodeAnimatedPng(const std::vector<TBitmap32>& pictures, int delayMs);

/// The animation's frames drawn as the toy preview places them: each on a transparent canvas just
/// large enough for every frame at its offset. Frames that cannot be decoded stay empty. Raises
/// std::runtime_error when the canvas would be larger than maxPixels.
std::vector<TBitmap32> RenderAnimationFrames(const TGenAnimation& animation,
                                             std::uint64_t maxPixels = 1u << 26);

} // namespace ballforge
