#pragma once
// The games' fixed 256-colour palettes and the reduction of a 32-bit picture to one of them.
#include "formats/TBitmap32.h"
#include "formats/TBitmap8.h"

#include <array>
#include <cstdint>
#include <string>

namespace ballforge {

/// Which game's palette; the order is the order the picker lists them in.
enum TPFPalType : int { pfpPetz = 0, pfpBabyz = 1, pfpOddballz = 2, pfpCatz1 = 3, pfpDogz1 = 4 };

constexpr int PaletteKindCount = 5;

/// 256 entries, each red in the lowest byte, then green, then blue; the top byte is 0.
using TPetzPalette = std::array<std::uint32_t, 256>;

/// The index every sprite frame uses for a transparent pixel (magenta in pfpPetz).
constexpr int SpriteTransparentIndex = 253;

/// "Petz 2-5", "Babyz", ...; "Unknown palette" for any other value.
std::string PaletteName(TPFPalType kind);
/// The kind's table (shared, read-only); any other value gives the pfpPetz table.
const TPetzPalette& PaletteColours(TPFPalType kind);
/// The kind whose display name or short name (petz, babyz, oddballz, catz1, dogz1) matches,
/// ignoring case; false when none does.
bool PaletteByName(const std::string& text, TPFPalType& kind);

/// Sets the bitmap's colour table from the palette (blue, green, red, 0 per entry).
void SetBitmapPalette(TBitmap8& bitmap, const TPetzPalette& palette);

struct TNearestColour {
    int index = 0;
    int errorRed = 0; // colour minus palette entry, per channel
    int errorGreen = 0;
    int errorBlue = 0;
};

/// The entry from first to last (excluding one index) closest to the colour in squared RGB distance;
/// the lowest index wins a tie. colour is in palette order (red in the lowest byte). An empty range
/// gives index 0.
TNearestColour NearestPaletteIndex(std::uint32_t colour, const TPetzPalette& palette, int first, int last,
                                   int excluded);

/// Floyd-Steinberg reduction of a 32-bit picture to the palette: pixels with alpha below 128 become
/// transparentIndex, every other pixel the nearest entry from first to last other than transparentIndex.
/// The target gets the source's size and the palette as its colour table.
void ReduceToPalette(const TBitmap32& source, TBitmap8& target, const TPetzPalette& palette, int first,
                     int last, int transparentIndex);

} // namespace ballforge
