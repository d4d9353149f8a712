// The game palettes, the nearest-colour search and the reduction of a picture to a palette.
#include "formats/PetzPalettes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

namespace ballforge {
namespace {

// An entry as red, green, blue hexadecimal digits, the way the games' tables are published.
std::string Hex(std::uint32_t entry) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X%02X%02X", entry & 0xFF, (entry >> 8) & 0xFF, (entry >> 16) & 0xFF);
    return buf;
}

std::string Entries(TPFPalType kind, int from, int count) {
    std::string out;
    for (int i = from; i < from + count; ++i)
        out += (out.empty() ? "" : " ") + Hex(PaletteColours(kind)[std::size_t(i)]);
    return out;
}

TEST(Palettes, NamesAndOutOfRangeKinds) {
    EXPECT_EQ(PaletteName(pfpPetz), "Petz 2-5");
    EXPECT_EQ(PaletteName(pfpBabyz), "Babyz");
    EXPECT_EQ(PaletteName(pfpOddballz), "Oddballz");
    EXPECT_EQ(PaletteName(pfpCatz1), "Catz 1");
    EXPECT_EQ(PaletteName(pfpDogz1), "Dogz 1");
    for (int bad : {-1, 5, 1000}) {
        EXPECT_EQ(PaletteName(TPFPalType(bad)), "Unknown palette");
        EXPECT_EQ(&PaletteColours(TPFPalType(bad)), &PaletteColours(pfpPetz));
    }
    TPFPalType kind = pfpPetz;
    EXPECT_TRUE(PaletteByName("dogz1", kind));
    EXPECT_EQ(kind, pfpDogz1);
    EXPECT_TRUE(PaletteByName("petz 2-5", kind));
    EXPECT_EQ(kind, pfpPetz);
    EXPECT_FALSE(PaletteByName("sims", kind));
}

TEST(Palettes, KnownEntriesOfEveryTable) {
    const struct {
        TPFPalType kind;
        int from;
        const char* entries;
    } cases[] = {
        {pfpPetz, 0, "000000 800000 008000 808000 000080 800080 008080 C0C0C0 D4D0C8 408080 E7E2DD"},
        {pfpPetz, 19, "C3BEB6 757575"},
        {pfpPetz, 39, "000000 DCC296"},
        {pfpPetz, 49, "A28963 874122"},
        {pfpPetz, 59, "421D10"},
        {pfpPetz, 70, "F09EB7"},
        {pfpPetz, 79, "B7778B"},
        {pfpPetz, 144, "161AD7 2E3CB6 161CA9 2A4290 192277 111953 D8F0FF ACE0FF"},
        {pfpPetz, 248, "808080 FF0000 00FF00 FFFF00 0000FF FF00FF 00FFFF D4D0C8"},
        {pfpBabyz, 0, "000000 800000 008000 808000 000080 800080 008080 C0C0C0 C0C0C0 008080"},
        {pfpBabyz, 246, "FFFBF0 A0A0A4 808080 FF0000 00FF00 FFFF00 0000FF FF00FF 00FFFF 000080"},
        {pfpBabyz, 10, "B47316 EAEB90"}, // from the adoption pictures' colour table
        {pfpBabyz, 228, "F8A7A7"},
        {pfpOddballz, 0, "000000 800000 008000 808000 000080 800080 008080 C0C0C0 C0C0C0 008080"},
        {pfpOddballz, 246, "808080 000000 808080 FF0000 00FF00 FFFF00 0000FF FF00FF 00FFFF C0C0C0"},
        {pfpCatz1, 0, "000000 800000 008000 808000 000080 800080 008080 808080 C0C0C0 FF0000"},
        {pfpCatz1, 246, "000000 000000 000000 000000 000000 000000 000000 000000 000000 000000"},
        {pfpDogz1, 0, "000000 800000 008000 808000 000080 800080 008080 808080 C0C0C0 FF0000"},
        {pfpDogz1, 246, "E6B366 E6B3FF E6CC00 E6CC33 E6CC99 E6FF33 E6FF66 E6FF99 000000 000000"},
    };
    for (const auto& c : cases) {
        const int count = int(std::count(c.entries, c.entries + std::strlen(c.entries), ' ')) + 1;
        EXPECT_EQ(Entries(c.kind, c.from, count), c.entries) << PaletteName(c.kind) << " from " << c.from;
    }
    // Red is kept in the lowest byte, and the top byte is always 0.
    EXPECT_EQ(PaletteColours(pfpPetz)[1], 0x000080u);
    for (int k = 0; k < PaletteKindCount; ++k)
        for (std::uint32_t e : PaletteColours(TPFPalType(k)))
            ASSERT_EQ(e >> 24, 0u);
}

TEST(Palettes, SetBitmapPaletteWritesBlueGreenRedZero) {
    TBitmap8 bitmap(1, 1);
    SetBitmapPalette(bitmap, PaletteColours(pfpPetz));
    EXPECT_EQ(bitmap.colourTable[1], 0x00800000u); // red 80
    EXPECT_EQ(bitmap.colourTable[4], 0x00000080u); // blue 80
    EXPECT_EQ(bitmap.colourTable[10], 0x00E7E2DDu);
}

TEST(Palettes, NearestIndex) {
    TPetzPalette p{};
    p.fill(0xFFFFFF);
    p[0] = 0x000000;
    p[1] = 0x0A0A0A;
    p[2] = 0x141414; // 20, 20, 20
    p[3] = 0x141414;
    auto grey = [](int v) { return std::uint32_t(v) * 0x010101u; };
    const struct {
        const char* what;
        std::uint32_t colour;
        int first, last, excluded, index, error;
    } cases[] = {
        {"exact match", grey(10), 0, 255, -1, 1, 0},
        {"exact duplicate: the lower index", grey(20), 0, 255, -1, 2, 0},
        {"tie between two entries: the lower index", grey(15), 0, 255, -1, 1, 5},
        {"excluded index skipped", grey(10), 0, 255, 1, 0, 10},
        {"range limits the search", grey(10), 2, 3, -1, 2, -10},
        {"empty range gives 0", grey(200), 5, 4, -1, 0, 200},
    };
    for (const auto& c : cases) {
        const TNearestColour n = NearestPaletteIndex(c.colour, p, c.first, c.last, c.excluded);
        EXPECT_EQ(n.index, c.index) << c.what;
        EXPECT_EQ(n.errorRed, c.error) << c.what;
        EXPECT_EQ(n.errorGreen, c.error) << c.what;
        EXPECT_EQ(n.errorBlue, c.error) << c.what;
    }
    const TNearestColour mixed = NearestPaletteIndex(0x030201, p, 0, 255, -1);
    EXPECT_EQ(mixed.index, 0);
    EXPECT_EQ(mixed.errorRed, 1);
    EXPECT_EQ(mixed.errorGreen, 2);
    EXPECT_EQ(mixed.errorBlue, 3);
}

// The search exactly as the games' tools describe it, kept naive on purpose.
TNearestColour ReferenceNearest(int r, int g, int b, const TPetzPalette& p, int first, int last,
                                int excluded) {
    int best = 0;
    long long bound = 2147483647;
    for (int i = first; i <= last; ++i) {
        if (i == excluded) continue;
        const int dr = r - int(p[std::size_t(i)] & 0xFF), dg = g - int((p[std::size_t(i)] >> 8) & 0xFF),
                  db = b - int((p[std::size_t(i)] >> 16) & 0xFF);
        const long long d = dr * dr + dg * dg + db * db;
        if (d < bound) {
            bound = d;
            best = i;
            if (d == 0) break;
        }
    }
    const std::uint32_t e = p[std::size_t(best)];
    return {best, r - int(e & 0xFF), g - int((e >> 8) & 0xFF), b - int((e >> 16) & 0xFF)};
}

TEST(Palettes, NearestIndexAgreesWithTheNaiveSearch) {
    std::mt19937 rng(3);
    for (int k = 0; k < PaletteKindCount; ++k) {
        const TPetzPalette& p = PaletteColours(TPFPalType(k));
        for (int round = 0; round < 2000; ++round) {
            const int r = int(rng() % 256), g = int(rng() % 256), b = int(rng() % 256);
            const int first = round % 3 ? 0 : int(rng() % 256), last = round % 5 ? 255 : int(rng() % 256);
            const int excluded = round % 2 ? 253 : int(rng() % 300) - 20;
            const TNearestColour want = ReferenceNearest(r, g, b, p, first, last, excluded);
            const TNearestColour got =
                NearestPaletteIndex(std::uint32_t(r | g << 8 | b << 16), p, first, last, excluded);
            ASSERT_EQ(got.index, want.index)
                << k << " " << r << "," << g << "," << b << " " << first << "-" << last;
            ASSERT_EQ(got.errorRed, want.errorRed);
            ASSERT_EQ(got.errorGreen, want.errorGreen);
            ASSERT_EQ(got.errorBlue, want.errorBlue);
        }
    }
}

std::uint32_t Opaque(std::uint32_t paletteEntry) {
    return 0xFF000000u | ((paletteEntry & 0xFF) << 16) | (paletteEntry & 0xFF00) |
           ((paletteEntry >> 16) & 0xFF);
}

TEST(Palettes, ReduceExactColoursAndTransparency) {
    const TPetzPalette& petz = PaletteColours(pfpPetz);
    TBitmap8 out;
    ReduceToPalette(TBitmap32(5, 4, Opaque(petz[40])), out, petz, 0, 255, 253);
    EXPECT_EQ(out.pixels(), std::vector<std::uint8_t>(20, 40));
    EXPECT_EQ(out.colourTable[40], 0x00DCC296u);

    ReduceToPalette(TBitmap32(3, 3, 0x7FFFFFFF), out, petz, 0, 255, 253);
    EXPECT_EQ(out.pixels(), std::vector<std::uint8_t>(9, 253));

    // Magenta is entry 253 itself, yet an opaque pixel never gets the transparent index.
    ReduceToPalette(TBitmap32(2, 2, 0xFFFF00FF), out, petz, 0, 255, 253);
    for (std::uint8_t i : out.pixels())
        EXPECT_NE(i, 253);
}

// A two-entry palette (black 0, grey 100 at 1, everything else white) on a 3 x 3 picture of grey 40
// gives a result worked out by hand: the diffusion's weights, its rounding of halves to even
// (57.5 -> 58, 52.5 -> 52, 42.5 -> 42, 36.5 -> 36) and its border rules all show in it.
TEST(Palettes, ReduceDiffusesErrorAsFloydSteinbergWithItsBorderRules) {
    TPetzPalette p{};
    p.fill(0xFFFFFF);
    p[0] = 0x000000;
    p[1] = 0x646464;
    TBitmap8 out;
    ReduceToPalette(TBitmap32(3, 3, 0xFF282828), out, p, 0, 255, 253);
    // The last row gets nothing from above but does pass error to the right within itself.
    EXPECT_EQ(out.pixels(), (std::vector<std::uint8_t>{0, 1, 0, 1, 0, 1, 0, 1, 0}));

    // A transparent pixel diffuses nothing: its right neighbour stays grey 40 and turns black.
    TBitmap32 row(3, 1, 0xFF282828);
    row.SetPixel(0, 0, 0x00282828);
    ReduceToPalette(row, out, p, 0, 255, 7);
    EXPECT_EQ(out.pixels(), (std::vector<std::uint8_t>{7, 0, 0}));
}

// The reduction written plainly, in floating point (halves round to even in the default mode).
std::vector<std::uint8_t> ReferenceReduce(const TBitmap32& src, const TPetzPalette& p, int transparent) {
    const int w = src.width(), h = src.height();
    std::vector<std::array<int, 3>> work;
    for (std::uint32_t px : src.pixels())
        work.push_back({int((px >> 16) & 0xFF), int((px >> 8) & 0xFF), int(px & 0xFF)});
    std::vector<std::uint8_t> out(work.size());
    auto add = [&](int x, int y, const std::array<int, 3>& err, double weight) {
        auto& c = work[std::size_t(y * w + x)];
        for (int i = 0; i < 3; ++i)
            c[std::size_t(i)] =
                int(std::clamp(std::nearbyint(c[std::size_t(i)] + err[std::size_t(i)] * weight), 0.0, 255.0));
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t at = std::size_t(y * w + x);
            if ((src.pixels()[at] >> 24) < 128) {
                out[at] = std::uint8_t(transparent);
                continue;
            }
            const auto c = work[at];
            const TNearestColour n = ReferenceNearest(c[0], c[1], c[2], p, 0, 255, transparent);
            out[at] = std::uint8_t(n.index);
            const std::array<int, 3> err = {n.errorRed, n.errorGreen, n.errorBlue};
            if (x + 1 < w - 1) add(x + 1, y, err, 7.0 / 16);
            if (y + 1 < h - 1) {
                if (x - 1 > 0) add(x - 1, y + 1, err, 3.0 / 16);
                add(x, y + 1, err, 5.0 / 16);
                if (x + 1 < w - 1) add(x + 1, y + 1, err, 1.0 / 16);
            }
        }
    return out;
}

TEST(Palettes, ReduceAgreesWithAPlainReduction) {
    std::mt19937 rng(9);
    TBitmap32 picture(61, 47);
    for (auto& px : picture.pixels()) {
        const std::uint32_t alpha = rng() % 6 == 0 ? rng() % 128 : 128 + rng() % 128;
        px = alpha << 24 | (rng() & 0xFFFFFF);
    }
    // Some flat patches, so that repeated colours go through the search's shortcuts too.
    for (int y = 10; y < 30; ++y)
        for (int x = 5; x < 40; ++x)
            picture.SetPixel(x, y, 0xFF808040u);
    for (int k = 0; k < PaletteKindCount; ++k) {
        TBitmap8 out;
        ReduceToPalette(picture, out, PaletteColours(TPFPalType(k)), 0, 255, 253);
        EXPECT_EQ(out.pixels(), ReferenceReduce(picture, PaletteColours(TPFPalType(k)), 253))
            << PaletteName(TPFPalType(k));
    }
}

} // namespace
} // namespace ballforge
