// Sprite codec speed: decoding and re-encoding every frame of a generated container, and reducing a
// picture to a palette, each beside copying the same number of decoded bytes in the same run.
#include "BenchSupport.h"

#include "documents/ByteWriter.h"
#include "sprites/spritedecoderunit.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <random>

using namespace ballforge;

namespace {

constexpr int kFrames = 100, kSide = 256;

// A picture like a toy's: a transparent background, a few soft-edged blobs of colour and a
// textured body, so that runs of every length and class occur.
TBitmap32 MakePicture(std::mt19937& rng, int format) {
    TBitmap32 b(kSide, kSide, 0);
    const int cx = kSide / 2 + int(rng() % 40) - 20, cy = kSide / 2 + int(rng() % 40) - 20;
    const int r = 70 + int(rng() % 40);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const int d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            if (d2 > r * r) continue;
            std::uint32_t alpha = 255;
            if (format == 3 && d2 > (r - 6) * (r - 6)) alpha = 85 * (1 + std::uint32_t(rng() % 2));
            const std::uint32_t shade = std::uint32_t((x / 8 + y / 8) % 4) * 40;
            const std::uint32_t noise = rng() % 8 == 0 ? rng() % 64 : 0;
            b.SetPixel(x, y, alpha << 24 | (120 + shade) << 16 | (80 + noise) << 8 | (60 + shade / 2));
        }
    return b;
}

std::vector<std::uint8_t> BuildContainer(const std::vector<std::unique_ptr<TSPRFrame>>& frames) {
    ByteWriter w;
    w.u32(1);
    w.u32(0);
    w.u8(5);
    w.text("bench");
    w.u8(0);
    w.u32(0);
    w.u32(std::uint32_t(frames.size()));
    for (const auto& f : frames)
        w.bytes(f->HeaderBytes());
    w.u32(0);
    for (const auto& f : frames) {
        w.u32(std::uint32_t(f->pixelData.size() + 4));
        w.bytes(f->pixelData);
    }
    return w.take();
}

} // namespace

int main() {
    std::mt19937 rng(2024);
    std::vector<TBitmap32> pictures;
    std::vector<std::unique_ptr<TSPRFrame>> frames;
    for (int i = 0; i < kFrames; ++i) {
        const int format = 1 + i % 3;
        pictures.push_back(MakePicture(rng, format));
        auto f = std::make_unique<TSPRFrame>(&PaletteColours(pfpPetz), SpriteTransparentIndex);
        f->header.format = std::uint16_t(format);
        f->EncodeFrom(pictures.back());
        frames.push_back(std::move(f));
    }
    const auto container = BuildContainer(frames);
    TSPRDecoder decoder;
    decoder.LoadFromStream(container);
    const TGenAnimation& anim = decoder.Animation(0);

    const double pixels = double(kFrames) * kSide * kSide;
    const std::size_t frameBytes = std::size_t(kSide) * kSide * 4;
    std::printf("Container: %d frames of %d x %d (formats 1, 2, 3 in turn), %zu bytes\n", kFrames, kSide,
                kSide, container.size());

    // Baseline: copying each decoded frame's bytes once.
    std::vector<std::uint32_t> sink(std::size_t(kSide) * kSide);
    volatile std::uint32_t guard = 0;
    const double copy = bench::BestOf(5, [&] {
        for (const auto& p : pictures)
            std::memcpy(sink.data(), p.Bits(), frameBytes);
        guard = guard + sink[std::size_t(kSide) * kSide / 2];
    });

    TBitmap32 scratch;
    const double decode = bench::BestOf(5, [&] {
        for (std::size_t i = 0; i < anim.FrameCount(); ++i)
            anim.Frame(i).DecodeTo(scratch);
        guard = guard + scratch.Bits()[0];
    });

    double encode[4] = {0, 0, 0, 0};
    double copyPerFormat[4] = {0, 0, 0, 0};
    for (int format = 1; format <= 3; ++format) {
        TSPRFrame target(&PaletteColours(pfpPetz), SpriteTransparentIndex);
        target.header.format = std::uint16_t(format);
        int n = 0;
        for (int i = format - 1; i < kFrames; i += 3)
            ++n;
        encode[format] = bench::BestOf(3, [&] {
            for (int i = format - 1; i < kFrames; i += 3)
                target.EncodeFrom(pictures[std::size_t(i)]);
        });
        copyPerFormat[format] = copy * n / kFrames;
    }

    TBitmap32 big(1024, 1024);
    std::mt19937 rng2(5);
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x)
            big.SetPixel(x, y,
                         0xFF000000u | std::uint32_t(x / 4) << 16 | std::uint32_t(y / 4) << 8 |
                             std::uint32_t((x + y) / 8 + rng2() % 16) % 256);
    TBitmap8 reduced;
    const double reduce =
        bench::BestOf(3, [&] { ReduceToPalette(big, reduced, PaletteColours(pfpPetz), 0, 255, 253); });
    const double bigCopy = copy * (1024.0 * 1024.0) / pixels;

    auto rate = [](double px, double s) { return px / s / 1e6; };
    std::printf("copy decoded bytes (baseline) %8.1f Mpixel/s\n", rate(pixels, copy));
    std::printf("decode, all formats            %8.1f Mpixel/s  %s the copy (target <= 10x)\n",
                rate(pixels, decode), bench::Ratio(decode, copy).c_str());
    for (int format = 1; format <= 3; ++format) {
        const double px = pixels * (copyPerFormat[format] / copy);
        std::printf("encode, format %d               %8.1f Mpixel/s  %s the copy%s\n", format,
                    rate(px, encode[format]), bench::Ratio(encode[format], copyPerFormat[format]).c_str(),
                    format == 1 ? " (includes the reduction to the palette)" : " (target <= 20x)");
    }
    std::printf("reduce 1024 x 1024 to pfpPetz  %8.1f Mpixel/s  %s the copy\n", rate(1024.0 * 1024.0, reduce),
                bench::Ratio(reduce, bigCopy).c_str());
    return guard == 12345 ? 1 : 0;
}
