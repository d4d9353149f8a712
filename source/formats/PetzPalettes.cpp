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

// The nearest-entry search of a reduction, made fast without changing its answers. Colour space is
// cut into 8 x 8 x 8 cells; for each cell that a picture reaches, the entries that could be nearest
// to some colour inside it are listed once: every entry whose smallest possible distance to the cell
// is at most the smallest of the entries' largest distances to it. Every entry at the least distance
// from a colour in the cell is in that list, so taking the first smallest distance from the list, kept
// in index order, gives the same index as the plain search from first to last.
class SearchPalette {
public:
    SearchPalette(const TPetzPalette& palette, int first, int last, int excluded)
        : cellStart_(kCells, -1), cellCount_(kCells, 0) {
        for (int i = std::max(first, 0); i <= std::min(last, 255); ++i) {
            if (i == excluded) continue;
            index_[count_] = i;
            r_[count_] = Red(palette[std::size_t(i)]);
            g_[count_] = Green(palette[std::size_t(i)]);
            b_[count_] = Blue(palette[std::size_t(i)]);
            ++count_;
        }
    }

    /// The nearest entry's index; 0 when there is nothing to choose from.
    int Nearest(int r, int g, int b) {
        if (count_ == 0) return 0;
        const std::size_t cell =
            std::size_t((r >> kShift) << (2 * kBits) | (g >> kShift) << kBits | (b >> kShift));
        if (cellStart_[cell] < 0) BuildCell(cell, r & ~(kSide - 1), g & ~(kSide - 1), b & ~(kSide - 1));
        const std::uint8_t* candidate = pool_.data() + cellStart_[cell];
        const std::uint8_t* end = candidate + cellCount_[cell];
        int best = 0, bound = INT_MAX;
        for (; candidate != end; ++candidate) {
            const int e = *candidate;
            const int dr = r - r_[e], dg = g - g_[e], db = b - b_[e];
            const int d = dr * dr + dg * dg + db * db;
            if (d < bound) {
                bound = d;
                best = index_[e];
            }
        }
        return best;
    }

private:
    static constexpr int kBits = 5, kShift = 8 - kBits, kSide = 1 << kShift, kCells = 1 << (3 * kBits);

    // Squared distance from v to the nearest and to the farthest value of [lo, lo + kSide - 1].
    static int Near(int v, int lo) {
        const int hi = lo + kSide - 1;
        return v < lo ? (lo - v) * (lo - v) : v > hi ? (v - hi) * (v - hi) : 0;
    }
    static int Far(int v, int lo) {
        const int hi = lo + kSide - 1;
        return std::max((v - lo) * (v - lo), (hi - v) * (hi - v));
    }

    void BuildCell(std::size_t cell, int rLo, int gLo, int bLo) {
        int limit = INT_MAX;
        for (int e = 0; e < count_; ++e)
            limit = std::min(limit, Far(r_[e], rLo) + Far(g_[e], gLo) + Far(b_[e], bLo));
        cellStart_[cell] = std::int32_t(pool_.size());
        for (int e = 0; e < count_; ++e)
            if (Near(r_[e], rLo) + Near(g_[e], gLo) + Near(b_[e], bLo) <= limit)
                pool_.push_back(std::uint8_t(e));
        cellCount_[cell] = std::uint16_t(pool_.size() - std::size_t(cellStart_[cell]));
    }

    int count_ = 0;
    int index_[256];
    int r_[256], g_[256], b_[256];
    std::vector<std::int32_t> cellStart_;  // into pool_, -1 until the cell is first used
    std::vector<std::uint16_t> cellCount_; // 1 to 256 candidates
    std::vector<std::uint8_t> pool_;       // positions into the arrays above, in index order
};

// The search as the reduction defines it: the lowest index at the least distance.
TNearestColour Nearest(int r, int g, int b, const TPetzPalette& palette, int first, int last, int excluded) {
    int best = 0;
    int bound = INT_MAX;
    for (int i = std::max(first, 0); i <= std::min(last, 255); ++i) {
        if (i == excluded) continue;
        const std::uint32_t e = palette[std::size_t(i)];
        const int dr = r - Red(e), dg = g - Green(e), db = b - Blue(e);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bound) {
            bound = d;
            best = i;
            if (d == 0) break;
        }
    }
    const std::uint32_t e = palette[std::size_t(best)];
    return {best, r - Red(e), g - Green(e), b - Blue(e)};
}

// channel + error * weight / 16, rounded to nearest with halves to even, then clamped to a byte.
// Done in integers so the result never depends on floating-point rounding.
inline int Diffuse(int channel, int error, int weight) {
    const int v = channel * 16 + error * weight;
    int q = v >> 4;       // floor division (C++20 defines >> on negative values as arithmetic)
    const int r = v & 15; // 0..15
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

    SearchPalette search(palette, first, last, transparentIndex);

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
            const int index = search.Nearest(c.r, c.g, c.b);
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
