#include "formats/PetzPalettes.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <vector>

namespace ballforge {

namespace {

struct KindName {
    TPFPalType kind;
    const char* display;
    const char* shortName;
};

constexpr KindName kKindNames[] = {
    {pfpPetz, "Petz 2-5", "petz"}, {pfpBabyz, "Babyz", "babyz"},  {pfpOddballz, "Oddballz", "oddballz"},
    {pfpCatz1, "Catz 1", "catz1"}, {pfpDogz1, "Dogz 1", "dogz1"},
};

std::string Lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

int Red(std::uint32_t entry) {
    return int(entry & 0xFF);
}
int Green(std::uint32_t entry) {
    return int((entry >> 8) & 0xFF);
}
int Blue(std::uint32_t entry) {
    return int((entry >> 16) & 0xFF);
}

// The palette split into channels, so that the distance loop below vectorises.
struct SplitPalette {
    alignas(32) std::int32_t r[256];
    alignas(32) std::int32_t g[256];
    alignas(32) std::int32_t b[256];
    explicit SplitPalette(const TPetzPalette& palette) {
        for (std::size_t i = 0; i < 256; ++i) {
            r[i] = Red(palette[i]);
            g[i] = Green(palette[i]);
            b[i] = Blue(palette[i]);
        }
    }
};

// Every distance is computed, then the first smallest one wins: the same index as a search that
// keeps the lowest index on ties and stops at the first exact match, since no distance is below 0
// and none reaches INT_MAX (the largest is 3 * 255 * 255).
int NearestIndex(int r, int g, int b, const SplitPalette& p, int first, int last, int excluded) {
    first = std::max(first, 0);
    last = std::min(last, 255);
    alignas(32) std::int32_t dist[256];
    for (int i = 0; i < 256; ++i) {
        const std::int32_t dr = r - p.r[i], dg = g - p.g[i], db = b - p.b[i];
        dist[i] = dr * dr + dg * dg + db * db;
    }
    for (int i = 0; i < first; ++i)
        dist[i] = INT_MAX;
    for (int i = last + 1; i < 256; ++i)
        dist[i] = INT_MAX;
    if (excluded >= 0 && excluded < 256) dist[excluded] = INT_MAX;
    std::int32_t smallest = INT_MAX;
    for (int i = 0; i < 256; ++i)
        smallest = std::min(smallest, dist[i]);
    if (smallest == INT_MAX) return 0; // empty range
    int best = 0;
    while (dist[best] != smallest)
        ++best;
    return best;
}

TNearestColour Nearest(int r, int g, int b, const TPetzPalette& palette, int first, int last, int excluded) {
    const int best = NearestIndex(r, g, b, SplitPalette(palette), first, last, excluded);
    const std::uint32_t e = palette[std::size_t(best)];
    return {best, r - Red(e), g - Green(e), b - Blue(e)};
}

// channel + error * weight / 16, rounded to nearest with halves to even, then clamped to a byte.
// Done in integers so the result never depends on floating-point rounding.
int Diffuse(int channel, int error, int weight) {
    const int v = channel * 16 + error * weight;
    int q = v >= 0 ? v / 16 : -((-v + 15) / 16); // floor division
    const int r = v - q * 16;                    // 0..15
    if (r > 8 || (r == 8 && (q & 1))) ++q;
    return std::clamp(q, 0, 255);
}

} // namespace

std::string PaletteName(TPFPalType kind) {
    for (const auto& k : kKindNames)
        if (k.kind == kind) return k.display;
    return "Unknown palette";
}

bool PaletteByName(const std::string& text, TPFPalType& kind) {
    const std::string t = Lower(text);
    for (const auto& k : kKindNames) {
        if (t == Lower(k.display) || t == k.shortName) {
            kind = k.kind;
            return true;
        }
    }
    return false;
}

void SetBitmapPalette(TBitmap8& bitmap, const TPetzPalette& palette) {
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::uint32_t e = palette[i];
        bitmap.colourTable[i] =
            (std::uint32_t(Red(e)) << 16) | (std::uint32_t(Green(e)) << 8) | std::uint32_t(Blue(e));
    }
}

TNearestColour NearestPaletteIndex(std::uint32_t colour, const TPetzPalette& palette, int first, int last,
                                   int excluded) {
    return Nearest(Red(colour), Green(colour), Blue(colour), palette, first, last, excluded);
}

void ReduceToPalette(const TBitmap32& source, TBitmap8& target, const TPetzPalette& palette, int first,
                     int last, int transparentIndex) {
    const int w = source.width(), h = source.height();
    target.Resize(w, h);
    SetBitmapPalette(target, palette);

    // Working copy of the colour channels; error diffusion changes it, alpha always comes from the source.
    struct RGB {
        std::int16_t r, g, b;
    };
    std::vector<RGB> work(std::size_t(w) * std::size_t(h));
    for (std::size_t i = 0; i < work.size(); ++i) {
        const std::uint32_t p = source.Bits()[i];
        work[i] = {std::int16_t((p >> 16) & 0xFF), std::int16_t((p >> 8) & 0xFF), std::int16_t(p & 0xFF)};
    }

    const SplitPalette split(palette);
    // Flat areas repeat colours; a small exact cache saves most of the palette searches.
    constexpr std::size_t kCacheSize = 4096;
    std::vector<std::uint32_t> cacheKey(kCacheSize, 0xFFFFFFFFu);
    std::vector<std::uint8_t> cacheIndex(kCacheSize);

    for (int y = 0; y < h; ++y) {
        const std::uint32_t* src = source.ScanLine(y);
        std::uint8_t* dst = target.ScanLine(y);
        RGB* row = work.data() + std::size_t(y) * std::size_t(w);
        RGB* below = row + w;
        for (int x = 0; x < w; ++x) {
            if ((src[x] >> 24) < 128) {
                dst[x] = std::uint8_t(transparentIndex);
                continue;
            }
            const RGB c = row[x];
            const std::uint32_t key =
                (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | std::uint32_t(c.b);
            const std::size_t slot = (key * 2654435761u) >> 20 & (kCacheSize - 1);
            int index;
            if (cacheKey[slot] == key) {
                index = cacheIndex[slot];
            } else {
                index = NearestIndex(c.r, c.g, c.b, split, first, last, transparentIndex);
                cacheKey[slot] = key;
                cacheIndex[slot] = std::uint8_t(index);
            }
            dst[x] = std::uint8_t(index);
            const std::uint32_t e = palette[std::size_t(index)];
            const int er = c.r - Red(e), eg = c.g - Green(e), eb = c.b - Blue(e);
            if (er == 0 && eg == 0 && eb == 0) continue;
            auto spread = [&](RGB& n, int weight) {
                n.r = std::int16_t(Diffuse(n.r, er, weight));
                n.g = std::int16_t(Diffuse(n.g, eg, weight));
                n.b = std::int16_t(Diffuse(n.b, eb, weight));
            };
            // The border tests stop one pixel short of the image edge: the last column and row, and
            // column 0 from the row above, never receive error.
            if (x + 1 < w - 1) spread(row[x + 1], 7);
            if (y + 1 < h - 1) {
                if (x - 1 > 0) spread(below[x - 1], 3);
                spread(below[x], 5);
                if (x + 1 < w - 1) spread(below[x + 1], 1);
            }
        }
    }
}

} // namespace ballforge
