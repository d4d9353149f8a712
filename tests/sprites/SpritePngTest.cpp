// PNG and animated PNG output of decoded frames.
#include "SpriteBuilders.h"

#include "sprites/SpritePngWriter.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstring>
#include <stdexcept>

namespace ballforge {
namespace {

using test::Argb;

std::uint32_t BE32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 | std::uint32_t(b[at + 2]) << 8 |
           b[at + 3];
}

struct PngChunk {
    std::string type;
    std::vector<std::uint8_t> body;
};

// Splits a PNG into its chunks, checking the signature and every CRC on the way.
std::vector<PngChunk> Chunks(const std::vector<std::uint8_t>& png) {
    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < 8 || std::memcmp(png.data(), signature, 8) != 0)
        throw std::runtime_error("no PNG signature");
    std::vector<PngChunk> out;
    std::size_t at = 8;
    while (at < png.size()) {
        if (png.size() - at < 12) throw std::runtime_error("chunk header cut");
        const std::uint32_t length = BE32(png, at);
        if (png.size() - at - 12 < length) throw std::runtime_error("chunk body cut");
        const std::uint32_t crc = std::uint32_t(crc32(crc32(0, Z_NULL, 0), png.data() + at + 4, length + 4));
        if (crc != BE32(png, at + 8 + length)) throw std::runtime_error("bad CRC");
        out.push_back({std::string(png.begin() + long(at) + 4, png.begin() + long(at) + 8),
                       {png.begin() + long(at) + 8, png.begin() + long(at) + 8 + length}});
        at += 12 + length;
    }
    return out;
}

// Inflates image data and turns its filter-0 rows back into 0xAARRGGBB pixels.
std::vector<std::uint32_t> Unpack(const std::vector<std::uint8_t>& zdata, int width, int height) {
    std::vector<std::uint8_t> raw(std::size_t(width * 4 + 1) * std::size_t(height));
    uLongf size = uLongf(raw.size());
    EXPECT_EQ(uncompress(raw.data(), &size, zdata.data(), uLong(zdata.size())), Z_OK);
    EXPECT_EQ(size, raw.size());
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = raw.data() + std::size_t(y) * std::size_t(width * 4 + 1);
        EXPECT_EQ(row[0], 0);
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = row + 1 + 4 * x;
            pixels.push_back(Argb(p[3], p[0], p[1], p[2]));
        }
    }
    return pixels;
}

TBitmap32 Sample(int w, int h, std::uint32_t seed) {
    TBitmap32 b(w, h);
    for (std::size_t i = 0; i < b.pixelCount(); ++i)
        b.Bits()[i] = std::uint32_t(i * 2654435761u + seed);
    return b;
}

TEST(SpritePng, StillPictureKeepsEveryPixelAndItsAlpha) {
    const TBitmap32 picture = Sample(5, 3, 99);
    const auto png = EncodePng(picture);
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&image, png.data(), png.size()));
    image.format = PNG_FORMAT_BGRA;
    std::vector<std::uint32_t> back(PNG_IMAGE_SIZE(image) / 4);
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, back.data(), 0, nullptr));
    EXPECT_EQ(image.width, 5u);
    EXPECT_EQ(image.height, 3u);
    EXPECT_EQ(back, picture.pixels());
    EXPECT_THROW(EncodePng(TBitmap32()), std::runtime_error);
}

TEST(SpritePng, AnimatedPngHasTheAnimationChunksInOrder) {
    const std::vector<TBitmap32> pictures = {Sample(4, 2, 1), Sample(4, 2, 2), Sample(4, 2, 3)};
    const auto chunks = Chunks(EncodeAnimatedPng(pictures, 100));
    std::string order;
    for (const auto& c : chunks)
        order += c.type + " ";
    EXPECT_EQ(order, "IHDR acTL fcTL IDAT fcTL fdAT fcTL fdAT IEND ");

    EXPECT_EQ(BE32(chunks[0].body, 0), 4u);
    EXPECT_EQ(BE32(chunks[0].body, 4), 2u);
    EXPECT_EQ(chunks[0].body[8], 8);        // bit depth
    EXPECT_EQ(chunks[0].body[9], 6);        // RGBA
    EXPECT_EQ(BE32(chunks[1].body, 0), 3u); // frames
    EXPECT_EQ(BE32(chunks[1].body, 4), 0u); // loops for ever

    // Sequence numbers run 0, 1, 2, ... over fcTL and fdAT together; every frame covers the canvas.
    std::uint32_t sequence = 0;
    std::size_t picture = 0;
    for (const auto& c : chunks) {
        if (c.type == "fcTL") {
            ASSERT_EQ(c.body.size(), 26u);
            EXPECT_EQ(BE32(c.body, 0), sequence++);
            EXPECT_EQ(BE32(c.body, 4), 4u);
            EXPECT_EQ(BE32(c.body, 8), 2u);
            EXPECT_EQ(BE32(c.body, 12), 0u);
            EXPECT_EQ(BE32(c.body, 16), 0u);
            EXPECT_EQ((c.body[20] << 8 | c.body[21]), 100); // 100/1000 s
            EXPECT_EQ((c.body[22] << 8 | c.body[23]), 1000);
        } else if (c.type == "IDAT") {
            EXPECT_EQ(Unpack(c.body, 4, 2), pictures[picture++].pixels());
        } else if (c.type == "fdAT") {
            EXPECT_EQ(BE32(c.body, 0), sequence++);
            EXPECT_EQ(Unpack({c.body.begin() + 4, c.body.end()}, 4, 2), pictures[picture++].pixels());
        }
    }
    EXPECT_EQ(picture, 3u);
    EXPECT_THROW(EncodeAnimatedPng({}, 100), std::runtime_error);
    EXPECT_THROW(EncodeAnimatedPng({Sample(4, 2, 1), Sample(2, 4, 1)}, 100), std::runtime_error);
}

TEST(SpritePng, AnimationFramesArePlacedInTheBoxOfAllFrames) {
    TSPRAnimation animation;
    auto a = test::MakeFrame(2, 2, 1, {0x02, 1, 1, 1, 2, 2, 2});
    a->SetOffset({10, 20});
    auto b = test::MakeFrame(2, 1, 2, {0x02, 3, 3, 3, 4, 4, 4});
    b->SetOffset({12, 19});
    animation.AddFrame(std::move(a));
    animation.AddFrame(std::move(b));
    auto unknown = test::MakeFrame(9, 1, 1); // an unknown format draws nothing
    unknown->SetOffset({10, 20});
    animation.AddFrame(std::move(unknown));
    const auto frames = RenderAnimationFrames(animation);
    ASSERT_EQ(frames.size(), 3u);
    // Box: x 10 to 13, y 19 to 21 -> 3 x 2.
    const std::uint32_t p1 = Argb(255, 1, 1, 1), p2 = Argb(255, 2, 2, 2), p3 = Argb(255, 3, 3, 3),
                        p4 = Argb(255, 4, 4, 4);
    EXPECT_EQ(frames[0].pixels(), (std::vector<std::uint32_t>{0, 0, 0, p1, p2, 0}));
    EXPECT_EQ(frames[1].pixels(), (std::vector<std::uint32_t>{0, 0, p3, 0, 0, p4}));
    EXPECT_EQ(frames[2].pixels(), std::vector<std::uint32_t>(6, 0));

    TSPRAnimation far;
    auto c = test::MakeFrame(2, 1, 1);
    c->SetOffset({65535, 65535});
    far.AddFrame(test::MakeFrame(2, 1, 1));
    far.AddFrame(std::move(c));
    EXPECT_THROW(RenderAnimationFrames(far), std::runtime_error);
}

} // namespace
} // namespace ballforge
