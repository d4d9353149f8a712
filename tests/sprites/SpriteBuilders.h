#pragma once
// Small builders for sprite containers and frames used across the sprite tests.
#include "documents/ByteWriter.h"
#include "sprites/spritedecoderunit.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ballforge::test {

struct FrameSpec {
    std::uint16_t x = 0, y = 0, width = 0, height = 0, format = 2;
    std::vector<std::uint8_t> data;
    std::uint16_t kept4 = 0, kept6 = 0, kept22 = 0;
};

struct AnimationSpec {
    std::string name;
    std::uint32_t firstWord = 0, secondWord = 0;
    std::vector<FrameSpec> frames;
};

/// Builds a container in the stored layout (animation records one after another).
inline std::vector<std::uint8_t> BuildContainer(const std::vector<AnimationSpec>& animations) {
    std::vector<std::vector<std::uint8_t>> records;
    for (const auto& a : animations) {
        ByteWriter w;
        w.u8(std::uint8_t(a.name.size()));
        w.text(a.name);
        w.u8(0xEE);
        w.u32(a.firstWord);
        w.u32(std::uint32_t(a.frames.size()));
        for (const auto& f : a.frames) {
            w.u16(f.x);
            w.u16(f.y);
            w.u16(f.kept4);
            w.u16(f.kept6);
            w.u16(f.height);
            w.u16(f.width);
            for (int i = 0; i < 8; ++i)
                w.u8(std::uint8_t(0xA0 + i));
            w.u16(f.format);
            w.u16(f.kept22);
        }
        w.u32(a.secondWord);
        for (const auto& f : a.frames) {
            w.u32(std::uint32_t(f.data.size() + 4));
            w.bytes(f.data);
        }
        records.push_back(w.take());
    }
    ByteWriter out;
    out.u32(std::uint32_t(records.size()));
    std::uint32_t at = 0;
    for (const auto& r : records) {
        out.u32(at);
        at += std::uint32_t(r.size());
    }
    for (const auto& r : records)
        out.bytes(r);
    return out.take();
}

/// A frame with the given header fields and pixel data, outside any container.
inline std::unique_ptr<TSPRFrame> MakeFrame(int format, int width, int height,
                                            std::vector<std::uint8_t> data = {}) {
    auto f = std::make_unique<TSPRFrame>(&PaletteColours(pfpPetz), SpriteTransparentIndex);
    f->header.format = std::uint16_t(format);
    f->header.width = std::uint16_t(width);
    f->header.height = std::uint16_t(height);
    f->pixelData = std::move(data);
    return f;
}

inline std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}

} // namespace ballforge::test
