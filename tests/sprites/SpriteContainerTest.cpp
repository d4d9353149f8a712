// Loading "SPR" containers: the layout, damaged and hostile input, and the real toy's sprites.
#include "SpriteBuilders.h"
#include "TestSupport.h"

#include "documents/TDLLresfile.h"

#include <gtest/gtest.h>

namespace ballforge {
namespace {

using test::AnimationSpec;
using test::BuildContainer;
using test::FrameSpec;

TEST(SpriteContainer, LoadsAnimationsFramesAndKeptFields) {
    FrameSpec a{3, 4, 2, 1, 2, {0x02, 1, 2, 3, 4, 5, 6}, 0x1111, 0x2222, 0x3333};
    FrameSpec b{65535, 0, 1, 1, 3, {}};
    FrameSpec c{0, 0, 16, 16, 1, {0x81}};
    const auto bytes = BuildContainer({{"walk", 7, 9, {a, b}}, {"", 1, 2, {}}, {"sit", 0, 0, {c}}});

    TSPRDecoder decoder;
    decoder.LoadFromStream(bytes);
    ASSERT_EQ(decoder.AnimationCount(), 3u);
    const auto& walk = static_cast<const TSPRAnimation&>(decoder.Animation(0));
    EXPECT_EQ(walk.name, "walk");
    EXPECT_EQ(walk.firstWord, 7u);
    EXPECT_EQ(walk.secondWord, 9u);
    ASSERT_EQ(walk.FrameCount(), 2u);
    const auto& f0 = static_cast<const TSPRFrame&>(walk.Frame(0));
    EXPECT_EQ(f0.GetOffset(), (TPoint{3, 4}));
    EXPECT_EQ(f0.GetWidth(), 2);
    EXPECT_EQ(f0.GetHeight(), 1);
    EXPECT_EQ(f0.format(), 2);
    EXPECT_EQ(f0.header.kept4, 0x1111);
    EXPECT_EQ(f0.header.kept6, 0x2222);
    EXPECT_EQ(f0.header.kept22, 0x3333);
    EXPECT_EQ(f0.header.kept12[7], 0xA7);
    EXPECT_EQ(f0.pixelData, a.data);
    EXPECT_EQ(f0.owner, &walk);
    EXPECT_EQ(f0.transparentIndex, 253);
    EXPECT_EQ(walk.Frame(1).GetOffset(), (TPoint{65535, 0}));
    EXPECT_TRUE(walk.Frame(1).pixelData.empty()); // a data block of size exactly 4
    EXPECT_EQ(decoder.Animation(1).name, "");
    EXPECT_EQ(decoder.Animation(1).FrameCount(), 0u);
    EXPECT_EQ(decoder.Animation(2).name, "sit");

    // Loading again replaces, and an empty container gives an empty decoder.
    decoder.LoadFromStream(BuildContainer({}));
    EXPECT_EQ(decoder.AnimationCount(), 0u);
}

TEST(SpriteContainer, SetPaletteReachesLoadedAndLaterFrames) {
    const auto bytes = BuildContainer({{"a", 0, 0, {FrameSpec{0, 0, 1, 1, 1, {0x01, 10}}}}});
    TSPRDecoder decoder;
    decoder.LoadFromStream(bytes);
    EXPECT_EQ(decoder.Animation(0).Frame(0).palette, &PaletteColours(pfpPetz));
    decoder.SetPalette(PaletteColours(pfpBabyz));
    EXPECT_EQ(decoder.Animation(0).Frame(0).palette, &PaletteColours(pfpBabyz));
    decoder.LoadFromStream(bytes);
    const TGenframe& frame = decoder.Animation(0).Frame(0);
    EXPECT_EQ(frame.palette, &PaletteColours(pfpBabyz));
    TBitmap32 bitmap;
    ASSERT_TRUE(frame.DecodeTo(bitmap));
    EXPECT_EQ(bitmap.Pixel(0, 0), 0xFFB47316u); // Babyz entry 10
}

struct DamagedCase {
    const char* what;
    std::vector<std::uint8_t> bytes;
    std::size_t animationsKept;
    std::size_t framesKeptInLast;
};

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t drop) {
    bytes.resize(bytes.size() - drop);
    return bytes;
}

std::vector<std::uint8_t> Patched(std::vector<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
    return bytes;
}

TEST(SpriteContainer, DamagedAndHostileInputFailsCleanlyAndKeepsWhatWasRead) {
    const FrameSpec frame{0, 0, 2, 2, 2, {0x84}};
    const auto good = BuildContainer({{"one", 0, 0, {frame}}, {"two", 0, 0, {frame, frame}}});
    // Layout of the second record: it starts at 4 + 8 + the first record's size.
    const std::size_t firstRecord = 1 + 3 + 1 + 4 + 4 + 24 + 4 + 4 + 1;
    const std::size_t second = 12 + firstRecord;
    const std::size_t secondFrameCount = second + 1 + 3 + 1 + 4;
    const std::size_t secondFirstSize = secondFrameCount + 4 + 48 + 4;

    const std::vector<DamagedCase> cases = {
        {"empty resource", {}, 0, 0},
        {"count only partly there", {1, 0}, 0, 0},
        {"count of four billion", {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}, 0, 0},
        {"offset table cut", Cut(BuildContainer({{"a", 0, 0, {}}, {"b", 0, 0, {}}}), 32), 0, 0},
        {"offset past the end", Patched(good, 8, 0xFFFFFFF0u), 2, 0},
        {"record cut inside its name", Cut(good, good.size() - second - 2), 2, 0},
        {"frame count of four billion", Patched(good, secondFrameCount, 0xFFFFFFFFu), 2, 0},
        {"frame headers cut", Cut(good, good.size() - secondFrameCount - 30), 2, 0},
        {"frame data size below 4", Patched(good, secondFirstSize, 3), 2, 2},
        {"frame data past the end", Patched(good, secondFirstSize, 0x7FFFFFFFu), 2, 2},
        {"last data block cut", Cut(good, 1), 2, 2},
    };
    for (const auto& c : cases) {
        TSPRDecoder decoder;
        EXPECT_THROW(decoder.LoadFromStream(c.bytes), EReadError) << c.what;
        EXPECT_EQ(decoder.AnimationCount(), c.animationsKept) << c.what;
        if (c.animationsKept) {
            EXPECT_EQ(decoder.Animation(c.animationsKept - 1).FrameCount(), c.framesKeptInLast) << c.what;
        }
    }
    TSPRDecoder decoder;
    EXPECT_NO_THROW(decoder.LoadFromStream(good));
    EXPECT_EQ(decoder.Animation(0).Frame(0).pixelData, frame.data);
}

TEST(SpriteContainer, AFrameOf65535By65535AnnouncedByAFewBytesLoadsButDoesNotDecode) {
    const auto bytes = BuildContainer({{"big", 0, 0, {FrameSpec{0, 0, 65535, 65535, 3, {0x00, 0x00}}}}});
    TSPRDecoder decoder;
    decoder.LoadFromStream(bytes);
    TBitmap32 bitmap;
    EXPECT_FALSE(decoder.Animation(0).Frame(0).DecodeTo(bitmap));
    EXPECT_TRUE(bitmap.empty());
}

// The toy built for Petz 5 carries two sprite containers; every frame must decode, use up its pixel
// data exactly, and re-encode to the very bytes the game's own tools wrote.
TEST(SpriteContainerReal, AutoRollingMouseSpritesDecodeCompletely) {
    BALLFORGE_REQUIRE_REALDATA("modules/Auto-Rolling Mouse P5.toy");
    TDLLresfile file(test::RealDataPath("modules/Auto-Rolling Mouse P5.toy"));
    file.Load();
    tresourcenode* spr = file.root().FindChildByName("SPR");
    ASSERT_NE(spr, nullptr);
    int containers = 0, frames = 0, sameBytes = 0;
    for (std::size_t n = 0; n < spr->count(); ++n)
        for (std::size_t l = 0; l < spr->child(n)->count(); ++l) {
            const tresourcenode& leaf = *spr->child(n)->child(l);
            TSPRDecoder decoder;
            ASSERT_NO_THROW(decoder.LoadFromStream(leaf.data));
            ASSERT_GT(decoder.AnimationCount(), 0u);
            ++containers;
            for (std::size_t a = 0; a < decoder.AnimationCount(); ++a)
                for (std::size_t f = 0; f < decoder.Animation(a).FrameCount(); ++f) {
                    const auto& frame = static_cast<const TSPRFrame&>(decoder.Animation(a).Frame(f));
                    TBitmap32 picture;
                    ASSERT_TRUE(frame.DecodeTo(picture)) << frame.DecodeProblem();
                    ++frames;
                    auto again = test::MakeFrame(frame.format(), 0, 0);
                    again->EncodeFrom(picture);
                    TBitmap32 back;
                    ASSERT_TRUE(again->DecodeTo(back));
                    if (frame.format() != 1) {
                        EXPECT_EQ(back, picture);
                    }
                    sameBytes += again->pixelData == frame.pixelData;
                }
        }
    EXPECT_EQ(containers, 2);
    EXPECT_GT(frames, 0);
    EXPECT_EQ(sameBytes, frames) << "frames whose re-encoding differs from the game's bytes";
}

} // namespace
} // namespace ballforge
