// The three run-length pixel formats of sprite frames: decoding, encoding, and the frame operations.
#include "SpriteBuilders.h"

#include "documents/Errors.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

namespace ballforge {
namespace {

using test::Argb;
using test::MakeFrame;

std::uint32_t PetzPixel(int index) {
    const std::uint32_t e = PaletteColours(pfpPetz)[std::size_t(index)];
    return 0xFF000000u | ((e & 0xFF) << 16) | (e & 0xFF00) | ((e >> 16) & 0xFF);
}

std::vector<std::uint8_t> Repeat(std::vector<std::uint8_t> head, std::size_t times,
                                 std::vector<std::uint8_t> item) {
    for (std::size_t i = 0; i < times; ++i)
        head.insert(head.end(), item.begin(), item.end());
    return head;
}

struct DecodeCase {
    const char* what;
    int format, width, height;
    std::vector<std::uint8_t> data;
    std::vector<std::pair<int, std::uint32_t>> set; // pixel number -> value; every other pixel is 0
};

class DecodeTable : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTable, GivesExactlyTheExpectedPixels) {
    const DecodeCase& c = GetParam();
    auto frame = MakeFrame(c.format, c.width, c.height, c.data);
    TBitmap32 bitmap(3, 3, 0xDEADBEEF); // stale content must be cleared
    ASSERT_TRUE(frame->DecodeTo(bitmap));
    ASSERT_EQ(bitmap.width(), c.width);
    ASSERT_EQ(bitmap.height(), c.height);
    std::vector<std::uint32_t> expected(std::size_t(c.width) * std::size_t(c.height), 0);
    for (auto [at, value] : c.set)
        expected[std::size_t(at)] = value;
    EXPECT_EQ(bitmap.pixels(), expected);
}

std::vector<std::pair<int, std::uint32_t>> Range(int from, int count, std::uint32_t value) {
    std::vector<std::pair<int, std::uint32_t>> out;
    for (int i = 0; i < count; ++i)
        out.push_back({from + i, value});
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, DecodeTable,
    ::testing::Values(
        DecodeCase{"f1 0x00 is an opaque run of 128", 1, 128, 1, Repeat({0x00}, 128, {40}),
                   Range(0, 128, PetzPixel(40))},
        DecodeCase{"f1 0x80 is a transparent run of 128",
                   1,
                   130,
                   1,
                   {0x80, 0x02, 40, 41},
                   {{128, PetzPixel(40)}, {129, PetzPixel(41)}}},
        DecodeCase{"f1 index 253 from data is opaque magenta", 1, 1, 1, {0x01, 253}, {{0, 0xFFFF00FF}}},
        DecodeCase{"f2 0x00 is an opaque run of 128", 2, 128, 1, Repeat({0x00}, 128, {1, 2, 3}),
                   Range(0, 128, Argb(255, 3, 2, 1))},
        DecodeCase{"f2 transparent surplus carries into the next row",
                   2,
                   3,
                   2,
                   {0x84, 0x01, 10, 20, 30},
                   {{4, Argb(255, 30, 20, 10)}}},
        DecodeCase{"f2 an opaque run wraps to the next row",
                   2,
                   2,
                   2,
                   {0x03, 1, 1, 1, 2, 2, 2, 3, 3, 3},
                   {{0, Argb(255, 1, 1, 1)}, {1, Argb(255, 2, 2, 2)}, {2, Argb(255, 3, 3, 3)}}},
        DecodeCase{"f1 wrapping subtracts the width once", 1, 1, 3, {0x82, 0x01, 40}, {{2, PetzPixel(40)}}},
        DecodeCase{"f3 transparent surplus is lost at the row end",
                   3,
                   3,
                   2,
                   {0x04, 0xC1, 10, 20, 30},
                   {{3, Argb(255, 30, 20, 10)}}},
        DecodeCase{"f3 0x00 is 64 transparent, 0xC0 64 opaque", 3, 64, 2, Repeat({0x00, 0xC0}, 64, {5, 6, 7}),
                   Range(64, 64, Argb(255, 7, 6, 5))},
        DecodeCase{"f3 levels give alpha 85, 170, 255",
                   3,
                   3,
                   1,
                   {0x41, 1, 2, 3, 0x81, 1, 2, 3, 0xC1, 1, 2, 3},
                   {{0, Argb(85, 3, 2, 1)}, {1, Argb(170, 3, 2, 1)}, {2, Argb(255, 3, 2, 1)}}},
        DecodeCase{"data ending inside a pixel stops there",
                   2,
                   4,
                   1,
                   {0x04, 1, 1, 1, 2, 2, 2, 3},
                   {{0, Argb(255, 1, 1, 1)}, {1, Argb(255, 2, 2, 2)}}},
        DecodeCase{"data ending after a control byte stops there",
                   3,
                   4,
                   1,
                   {0xC1, 9, 9, 9, 0xC2},
                   {{0, Argb(255, 9, 9, 9)}}},
        DecodeCase{"pixels past the bitmap are dropped",
                   1,
                   2,
                   1,
                   {0x05, 40, 41, 42, 43, 44},
                   {{0, PetzPixel(40)}, {1, PetzPixel(41)}}},
        DecodeCase{"runs after the last row are ignored", 2, 1, 1, {0x81, 0x81, 0x01, 1, 2, 3}, {}},
        DecodeCase{"empty pixel data gives a transparent frame", 3, 5, 4, {}, {}},
        DecodeCase{"width 0 ends without hanging", 2, 0, 5, {0x85, 0x01, 1, 2, 3}, {}}),
    [](const auto& param) {
        std::string name = param.param.what;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(SpriteDecode, UnknownFormatLeavesTheBitmapAndAnswersFalse) {
    for (int format : {0, 4, 65535}) {
        auto frame = MakeFrame(format, 2, 2, {0x01, 1});
        TBitmap32 bitmap(1, 1, 0x12345678);
        EXPECT_FALSE(frame->DecodeTo(bitmap));
        EXPECT_EQ(bitmap, TBitmap32(1, 1, 0x12345678));
    }
}

TEST(SpriteDecode, AHugeFrameAnnouncedByAFewBytesIsRefusedWithoutAllocating) {
    auto frame = MakeFrame(2, 65535, 65535, {0x80, 0x80, 0x80});
    TBitmap32 bitmap;
    EXPECT_FALSE(frame->DecodeTo(bitmap));
    EXPECT_TRUE(bitmap.empty());
    EXPECT_NE(frame->DecodeProblem().find("65535 x 65535"), std::string::npos);
    // A small frame whose data ends early still decodes, transparent where the data stops.
    auto shortFrame = MakeFrame(2, 200, 200, {0x01, 1, 2, 3});
    EXPECT_TRUE(shortFrame->DecodeTo(bitmap));
    EXPECT_EQ(bitmap.Pixel(0, 0), Argb(255, 3, 2, 1));
    EXPECT_EQ(bitmap.Pixel(199, 199), 0u);
}

TEST(SpriteDecode, RandomDataNeverWritesOutsideTheBitmap) {
    // Run under the sanitizers: any stray write or read shows up there.
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> data(rng() % 64);
        for (auto& b : data)
            b = std::uint8_t(rng());
        auto frame = MakeFrame(1 + int(rng() % 3), int(rng() % 9), int(rng() % 9), data);
        TBitmap32 bitmap;
        EXPECT_TRUE(frame->DecodeTo(bitmap));
    }
}

struct EncodeCase {
    const char* what;
    int format;
    TBitmap32 picture;
    std::vector<std::uint8_t> expected;
};

TBitmap32 Row(std::vector<std::uint32_t> pixels) {
    TBitmap32 b(int(pixels.size()), 1);
    b.pixels() = std::move(pixels);
    return b;
}

TEST(SpriteEncode, GoldenBytes) {
    const std::uint32_t red = Argb(255, 0xFF, 0, 0);
    const std::uint32_t entry40 = PetzPixel(40);
    const std::vector<EncodeCase> cases = {
        {"200 transparent pixels, format 2", 2, TBitmap32(200, 1, 0), {0x80, 0xC8}},
        {"70 opaque pixels, format 3", 3, TBitmap32(70, 1, Argb(255, 3, 2, 1)),
         Repeat(Repeat({0xC0}, 64, {1, 2, 3}), 1, Repeat({0xC6}, 6, {1, 2, 3}))},
        {"128 opaque pixels, format 2, is control 0", 2, TBitmap32(128, 1, red),
         Repeat({0x00}, 128, {0, 0, 0xFF})},
        {"alpha 127 is transparent and 128 opaque in format 2",
         2,
         Row({red, Argb(127, 9, 9, 9), Argb(128, 1, 2, 3)}),
         {0x01, 0, 0, 0xFF, 0x81, 0x01, 3, 2, 1}},
        {"format 3 levels are alpha div 85",
         3,
         Row({Argb(84, 1, 1, 1), Argb(85, 1, 2, 3), Argb(169, 1, 2, 3), Argb(170, 4, 5, 6),
              Argb(254, 4, 5, 6), Argb(255, 7, 8, 9)}),
         {0x01, 0x42, 3, 2, 1, 3, 2, 1, 0x82, 6, 5, 4, 6, 5, 4, 0xC1, 9, 8, 7}},
        {"runs never cross a row end", 2, TBitmap32(2, 2, 0), {0x82, 0x82}},
        {"format 1 codes palette indexes",
         1,
         Row({0, entry40, entry40, Argb(255, 0xFF, 0, 0xFF)}),
         {0x81, 0x03, 40, 40, 223 /* DD346A, the nearest to magenta other than 253 */}},
    };
    for (const auto& c : cases) {
        auto frame = MakeFrame(c.format, 0, 0);
        frame->EncodeFrom(c.picture);
        EXPECT_EQ(frame->pixelData, c.expected) << c.what;
        EXPECT_EQ(frame->GetWidth(), c.picture.width()) << c.what;
        EXPECT_EQ(frame->GetHeight(), c.picture.height()) << c.what;
    }
}

TEST(SpriteEncode, DecodingTheEncodingGivesThePictureBack) {
    std::mt19937 rng(11);
    const int w = 150, h = 7; // wider than one run, so runs split and rows end mid-run
    auto randomColour = [&] { return std::uint32_t(rng()) & 0xFFFFFF; };

    TBitmap32 onOff(w, h), levels(w, h), indexed(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool clear = rng() % 3 == 0 || (y == 2 && x < 140);
            onOff.SetPixel(x, y, clear ? 0 : 0xFF000000u | randomColour());
            const std::uint32_t level = y == 4 ? 3 : rng() % 4;
            levels.SetPixel(x, y, level ? (level * 85) << 24 | randomColour() : 0);
            int index = int(rng() % 256);
            if (index == 253) index = 252;
            indexed.SetPixel(x, y, clear ? 0 : PetzPixel(index));
        }
    struct Case {
        int format;
        const TBitmap32& picture;
    } cases[] = {{2, onOff}, {3, levels}, {1, indexed}};
    for (const auto& c : cases) {
        auto frame = MakeFrame(c.format, 0, 0);
        frame->EncodeFrom(c.picture);
        TBitmap32 back;
        ASSERT_TRUE(frame->DecodeTo(back));
        // Format 1 is exact here because every opaque pixel already is a palette colour (no diffusion).
        EXPECT_EQ(back, c.picture) << "format " << c.format;
    }
}

TEST(SpriteEncode, RefusedBitmapsLeaveTheFrameAsItWas) {
    auto frame = MakeFrame(2, 3, 4, {0x81, 0x81});
    EXPECT_THROW(frame->EncodeFrom(TBitmap32(65536, 1)), std::out_of_range);
    EXPECT_THROW(frame->EncodeFrom(TBitmap32(1, 65536)), std::out_of_range);
    EXPECT_EQ(frame->pixelData, (std::vector<std::uint8_t>{0x81, 0x81}));
    EXPECT_EQ(frame->GetWidth(), 3);
    EXPECT_EQ(frame->GetHeight(), 4);

    auto unknown = MakeFrame(7, 3, 4, {0x81, 0x81});
    try {
        unknown->EncodeFrom(TBitmap32(2, 2));
        FAIL() << "expected eerrormessage";
    } catch (const eerrormessage& e) {
        EXPECT_STREQ(e.what(), "Invalid frame format - Cannot encode input bitmap to match!");
    }
    EXPECT_EQ(unknown->pixelData, (std::vector<std::uint8_t>{0x81, 0x81}));
    EXPECT_EQ(unknown->GetWidth(), 3);
}

TEST(SpriteFrame, OffsetsAreUnsignedSixteenBit) {
    auto frame = MakeFrame(2, 1, 1);
    frame->header.offsetX = 0xFFFF;
    EXPECT_EQ(frame->GetOffset(), (TPoint{65535, 0}));
    frame->SetOffset({65535, 12});
    EXPECT_EQ(frame->GetOffset(), (TPoint{65535, 12}));
    for (TPoint bad : {TPoint{-1, 0}, TPoint{0, -1}, TPoint{65536, 0}, TPoint{0, 65536}})
        EXPECT_THROW(frame->SetOffset(bad), std::out_of_range);
    EXPECT_EQ(frame->GetOffset(), (TPoint{65535, 12}));
}

TEST(SpriteFrame, PaletteChartShowsEveryEntryAndKeepsTheFormat) {
    auto frame = MakeFrame(2, 3, 3);
    frame->DrawPaletteChart();
    EXPECT_EQ(frame->pixelData.size(), 16u * 17u);
    EXPECT_EQ(frame->format(), 2);
    EXPECT_EQ(frame->GetWidth(), 16);
    EXPECT_EQ(frame->GetHeight(), 16);
    frame->header.format = 1;
    TBitmap32 chart;
    ASSERT_TRUE(frame->DecodeTo(chart));
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c)
            ASSERT_EQ(chart.Pixel(c, r), PetzPixel(16 * r + c)) << r << "," << c;
}

TEST(SpriteFrame, AssignCopiesHeaderAndData) {
    auto source = MakeFrame(3, 5, 6, {0xC1, 1, 2, 3});
    source->header.offsetX = 17;
    source->header.kept12[3] = 0x55;
    auto target = MakeFrame(1, 1, 1, {0x81});
    target->Assign(*source);
    EXPECT_EQ(target->HeaderBytes(), source->HeaderBytes());
    EXPECT_EQ(target->pixelData, source->pixelData);
}

} // namespace
} // namespace ballforge
