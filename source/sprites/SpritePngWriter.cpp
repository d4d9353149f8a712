#include "sprites/SpritePngWriter.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <stdexcept>

namespace ballforge {

namespace {

void PutBE32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v >> 24));
    out.push_back(std::uint8_t(v >> 16));
    out.push_back(std::uint8_t(v >> 8));
    out.push_back(std::uint8_t(v));
}

void PutBE16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(std::uint8_t(v >> 8));
    out.push_back(std::uint8_t(v));
}

void Chunk(std::vector<std::uint8_t>& png, const char type[4], const std::vector<std::uint8_t>& body) {
    if (body.size() > 0x7FFFFFFFu) throw std::runtime_error("PNG chunk too large");
    PutBE32(png, std::uint32_t(body.size()));
    const std::size_t typeAt = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), body.begin(), body.end());
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, png.data() + typeAt, uInt(4 + body.size()));
    PutBE32(png, std::uint32_t(crc));
}

// Rows of RGBA bytes, each behind filter type 0, compressed as one zlib stream.
std::vector<std::uint8_t> CompressedRows(const TBitmap32& picture) {
    const std::size_t w = std::size_t(picture.width());
    std::vector<std::uint8_t> raw;
    raw.reserve((w * 4 + 1) * std::size_t(picture.height()));
    for (int y = 0; y < picture.height(); ++y) {
        raw.push_back(0);
        const std::uint32_t* row = picture.ScanLine(y);
        for (std::size_t x = 0; x < w; ++x) {
            const std::uint32_t p = row[x];
            raw.push_back(std::uint8_t(p >> 16));
            raw.push_back(std::uint8_t(p >> 8));
            raw.push_back(std::uint8_t(p));
            raw.push_back(std::uint8_t(p >> 24));
        }
    }
    uLongf size = compressBound(uLong(raw.size()));
    std::vector<std::uint8_t> out(size);
    if (compress2(out.data(), &size, raw.data(), uLong(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib could not compress the picture");
    out.resize(size);
    return out;
}

} // namespace

std::vector<std::uint8_t> EncodePng(const TBitmap32& bitmap) {
    if (bitmap.width() <= 0 || bitmap.height() <= 0)
        throw std::runtime_error("A PNG needs at least one pixel");
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(bitmap.width());
    image.height = png_uint_32(bitmap.height());
    // 0xAARRGGBB words lie in memory as the bytes B, G, R, A on little-endian machines.
    image.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    const png_int_32 stride = png_int_32(bitmap.width()) * 4;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, bitmap.Bits(), stride, nullptr))
        throw std::runtime_error(std::string("libpng: ") + image.message);
    std::vector<std::uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, bitmap.Bits(), stride, nullptr))
        throw std::runtime_error(std::string("libpng: ") + image.message);
    out.resize(size);
    png_image_free(&image);
    return out;
}

std::vector<std::uint8_t> EncodeAnimatedPng(const std::vector<TBitmap32>& pictures, int delayMs) {
    if (pictures.empty()) throw std::runtime_error("An animation needs at least one picture");
    const int w = pictures[0].width(), h = pictures[0].height();
    if (w <= 0 || h <= 0) throw std::runtime_error("A PNG needs at least one pixel");
    for (const auto& p : pictures)
        if (p.width() != w || p.height() != h) throw std::runtime_error("Animation pictures differ in size");

    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> png(signature, signature + 8);
    std::vector<std::uint8_t> body;

    PutBE32(body, std::uint32_t(w));
    PutBE32(body, std::uint32_t(h));
    body.insert(body.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, adaptive filters, no interlace
    Chunk(png, "IHDR", body);

    body.clear();
    PutBE32(body, std::uint32_t(pictures.size()));
    PutBE32(body, 0); // loop for ever
    Chunk(png, "acTL", body);

    std::uint32_t sequence = 0;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        body.clear();
        PutBE32(body, sequence++);
        PutBE32(body, std::uint32_t(w));
        PutBE32(body, std::uint32_t(h));
        PutBE32(body, 0); // x offset
        PutBE32(body, 0); // y offset
        PutBE16(body, std::uint16_t(std::clamp(delayMs, 0, 65535)));
        PutBE16(body, 1000);
        body.push_back(0); // dispose: none (the next frame covers the whole canvas)
        body.push_back(0); // blend: source, so transparent pixels replace what was there
        Chunk(png, "fcTL", body);

        std::vector<std::uint8_t> data = CompressedRows(pictures[i]);
        if (i == 0) {
            Chunk(png, "IDAT", data);
        } else {
            body.clear();
            PutBE32(body, sequence++);
            body.insert(body.end(), data.begin(), data.end());
            Chunk(png, "fdAT", body);
        }
    }
    Chunk(png, "IEND", {});
    return png;
}

std::vector<TBitmap32> RenderAnimationFrames(const TGenAnimation& animation, std::uint64_t maxPixels) {
    std::vector<TBitmap32> out;
    if (animation.FrameCount() == 0) return out;
    long long left = LLONG_MAX, top = LLONG_MAX, right = LLONG_MIN, bottom = LLONG_MIN;
    for (std::size_t i = 0; i < animation.FrameCount(); ++i) {
        const TGenframe& f = animation.Frame(i);
        const TPoint o = f.GetOffset();
        left = std::min<long long>(left, o.x);
        top = std::min<long long>(top, o.y);
        right = std::max<long long>(right, o.x + f.GetWidth());
        bottom = std::max<long long>(bottom, o.y + f.GetHeight());
    }
    const long long w = std::max(right - left, 1LL), h = std::max(bottom - top, 1LL);
    if (std::uint64_t(w) * std::uint64_t(h) > maxPixels)
        throw std::runtime_error("The animation's frames span " + std::to_string(w) + " x " +
                                 std::to_string(h) + " pixels, too large to draw");
    TBitmap32 scratch;
    for (std::size_t i = 0; i < animation.FrameCount(); ++i) {
        const TGenframe& f = animation.Frame(i);
        TBitmap32 canvas(int(w), int(h), 0);
        if (f.DecodeTo(scratch)) {
            const TPoint o = f.GetOffset();
            const long long dx = o.x - left, dy = o.y - top;
            for (int y = 0; y < scratch.height(); ++y)
                std::memcpy(canvas.ScanLine(int(dy + y)) + dx, scratch.ScanLine(y),
                            std::size_t(scratch.width()) * 4);
        }
        out.push_back(std::move(canvas));
    }
    return out;
}

} // namespace ballforge
