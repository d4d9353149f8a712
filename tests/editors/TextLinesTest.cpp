// Line handling of the text editors and the file header of numeric bitmaps.
#include "documents/TextLines.h"
#include "editors/DIBFile.h"

#include <gtest/gtest.h>

using namespace ballforge;

static std::vector<std::uint8_t> B(const std::string& s) {
    return {s.begin(), s.end()};
}

TEST(TextLines, SplitNotesTheStyleAndJoinGivesUniformTextsBackByteForByte) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> lines;
        TTextLineBreak style;
    } cases[] = {
        {"CR LF, final break", "a\r\nb\r\n", {"a", "b", ""}, TTextLineBreak::lbCRLF},
        {"LF only", "a\nb\n", {"a", "b", ""}, TTextLineBreak::lbLF},
        {"CR only", "a\rb", {"a", "b"}, TTextLineBreak::lbCR},
        {"no break", "abc", {"abc"}, TTextLineBreak::lbCRLF},
        {"empty", "", {""}, TTextLineBreak::lbCRLF},
        {"only a break", "\n", {"", ""}, TTextLineBreak::lbLF},
        {"high bytes and zero kept",
         std::string("\xE9\0x\n", 4),
         {std::string("\xE9\0x", 3), ""},
         TTextLineBreak::lbLF},
    };
    for (const auto& c : cases) {
        const auto t = SplitTextLines(B(c.text));
        EXPECT_EQ(t.lines, c.lines) << c.what;
        EXPECT_EQ(t.style, c.style) << c.what;
        EXPECT_EQ(JoinTextLines(t.lines, t.style), B(c.text)) << c.what;
    }
}

TEST(TextLines, MixedBreaksComeBackInTheNotedStyle) {
    const auto t = SplitTextLines(B("a\r\nb\nc\rd"));
    EXPECT_EQ(t.lines, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(t.style, TTextLineBreak::lbCRLF);
    EXPECT_EQ(JoinTextLines(t.lines, t.style), B("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(NormaliseLineBreaks(B("x\ny\r\n"), TTextLineBreak::lbLF), B("x\ny\n"));
}

namespace {
// A 2 x 1 bitmap with the short header: 8 bits, a colour table of two used entries.
std::vector<std::uint8_t> SmallDIB(std::uint32_t headerSize, std::uint16_t bits, std::uint32_t used) {
    std::vector<std::uint8_t> d;
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            d.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto u16 = [&](std::uint16_t v) {
        d.push_back(static_cast<std::uint8_t>(v));
        d.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    u32(headerSize);
    u32(2);
    u32(1);
    u16(1);
    u16(bits);
    u32(0);
    u32(0);
    u32(0);
    u32(0);
    u32(used);
    u32(0);
    d.resize(headerSize, 0);
    d.resize(d.size() + (used ? used : (bits <= 8 ? 1u << bits : 0)) * 4, 0x11);
    d.resize(d.size() + 4, 0x22); // one row of pixels
    return d;
}
std::uint32_t At32(const std::vector<std::uint8_t>& d, std::size_t o) {
    return d[o] | d[o + 1] << 8 | d[o + 2] << 16 | static_cast<std::uint32_t>(d[o + 3]) << 24;
}
} // namespace

TEST(DIBFile, AFileHeaderGoesInFrontOfHeaderlessBitmaps) {
    struct Case {
        std::uint32_t header;
        std::uint16_t bits;
        std::uint32_t used;
        std::uint32_t offset;
    } cases[] = {
        {40, 8, 2, 14 + 40 + 8},
        {40, 8, 0, 14 + 40 + 1024},
        {40, 24, 0, 14 + 40},
        {124, 4, 0, 14 + 124 + 64},
    };
    for (const auto& c : cases) {
        const auto dib = SmallDIB(c.header, c.bits, c.used);
        const auto file = BitmapFileFromData(dib);
        ASSERT_EQ(file.size(), dib.size() + 14);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(At32(file, 2), file.size());
        EXPECT_EQ(At32(file, 10), c.offset) << c.header << "/" << c.bits;
    }
    const auto complete = B("BM whatever");
    EXPECT_EQ(BitmapFileFromData(complete), complete);
}

TEST(DIBFile, DataThatIsNoBitmapGivesNothing) {
    EXPECT_TRUE(BitmapFileFromData({}).empty());
    EXPECT_TRUE(BitmapFileFromData(B("abc")).empty());
    auto huge = SmallDIB(40, 8, 2);
    huge[35] = 0x7F; // a colour count far past the end of the data
    EXPECT_TRUE(BitmapFileFromData(huge).empty());
    auto odd = SmallDIB(40, 8, 2);
    odd[0] = 41; // unknown header size
    EXPECT_TRUE(BitmapFileFromData(odd).empty());
    auto cut = SmallDIB(40, 8, 2);
    cut.resize(20);
    EXPECT_TRUE(BitmapFileFromData(cut).empty());
}
