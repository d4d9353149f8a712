// The game palettes, the nearest-colour search and the reduction of a picture to a palette.
#include "formats/PetzPalettes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <cstring>

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
    for (int i = from; i < from + count; ++i) out += (out.empty() ? "" : " ") + Hex(PaletteColours(kind)[std::size_t(i)]);
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
        for (std::uint32_t e : PaletteColours(TPFPalType(k))) ASSERT_EQ(e >> 24, 0u);
}

TEST(Palettes, SetBitmapPaletteWritesBlueGreenRedZero) {
    TBitmap8 bitmap(1, 1);
    SetBitmapPalette(bitmap, PaletteColours(pfpPetz));
    EXPECT_EQ(bitmap.colourTable[1], 0x00800000u);   // red 80
    EXPECT_EQ(bitmap.colourTable[4], 0x00000080u);   // blue 80
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

std::uint32_t Opaque(std::uint32_t paletteEntry) {
    return 0xFF000000u | ((paletteEntry & 0xFF) << 16) | (paletteEntry & 0xFF00) | ((paletteEntry >> 16) & 0xFF);
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
    for (std::uint8_t i : out.pixels()) EXPECT_NE(i, 253);
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

} // namespace
} // namespace ballforge
