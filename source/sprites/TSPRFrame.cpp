#include "sprites/TSPRFrame.h"

#include "documents/ByteReader.h"
#include "documents/Errors.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace ballforge {

namespace {

// One control byte never moves the decoder more than 128 pixels on, so pixel data of n bytes can
// reach at most 128 n pixels. A frame may announce a little more than that (a short frame whose
// end stays transparent), but not a picture that its data could never describe.
constexpr std::uint64_t kPixelsPerDataByte = 128;
constexpr std::uint64_t kSizeAllowance = 65536;

std::uint64_t PixelLimit(std::size_t dataSize) {
    return kPixelsPerDataByte * dataSize + kSizeAllowance;
}

// Decodes formats 1, 2 (Format < 3: x keeps its surplus when a row wraps) and 3 (surplus lost).
template <int Format>
void DecodeRuns(std::span<const std::uint8_t> data, const TPetzPalette& palette, TBitmap32& bitmap) {
    const std::int64_t width = bitmap.width(), height = bitmap.height();
    const std::uint64_t total = std::uint64_t(width) * std::uint64_t(height);
    std::uint32_t* pixels = bitmap.Bits();
    constexpr std::size_t bytesPerPixel = Format == 1 ? 1 : 3;

    std::int64_t x = 0, y = 0, rowStart = 0;
    auto wrap = [&] {
        if (x > width - 1) {
            if constexpr (Format == 3)
                x = 0;
            else
                x -= width;
            ++y;
            rowStart += width;
        }
    };

    // Palette entries keep red lowest; pixels want it in the third byte.
    std::array<std::uint32_t, 256> argb{};
    if constexpr (Format == 1)
        for (std::size_t i = 0; i < 256; ++i) {
            const std::uint32_t e = palette[i];
            argb[i] = 0xFF000000u | ((e & 0xFF) << 16) | (e & 0xFF00) | ((e >> 16) & 0xFF);
        }

    ByteReader reader(data);
    while (y < height && !reader.atEnd()) {
        const std::uint8_t control = reader.u8();
        bool opaque;
        std::uint32_t alpha = 0xFF000000u;
        std::int64_t n;
        if constexpr (Format == 3) {
            const int level = control >> 6;
            n = control & 0x3F ? control & 0x3F : 64;
            opaque = level != 0;
            alpha = std::uint32_t(level * 85) << 24;
        } else {
            n = control & 0x7F ? control & 0x7F : 128;
            opaque = (control & 0x80) == 0;
        }
        if (!opaque) {
            x += n;
            wrap();
            continue;
        }
        // Data that ends inside the run (even inside a pixel) ends the picture there.
        const std::int64_t available = std::int64_t(reader.remaining() / bytesPerPixel);
        const bool cut = available < n;
        const std::int64_t count = cut ? available : n;
        const std::uint8_t* d = reader.take(std::uint64_t(count) * bytesPerPixel).data();
        auto colourAt = [&](std::int64_t i) {
            if constexpr (Format == 1) {
                return argb[d[i]];
            } else {
                const std::uint8_t* p = d + i * 3;
                return alpha | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
            }
        };
        std::int64_t i = 0;
        while (i < count) {
            if (x < width && y < height) {
                // The rest of the row lies inside the picture: no per-pixel checks needed.
                const std::int64_t m = std::min(count - i, width - x);
                std::uint32_t* dst = pixels + rowStart + x;
                for (std::int64_t k = 0; k < m; ++k)
                    dst[k] = colourAt(i + k);
                i += m;
                x += m;
                wrap();
            } else {
                const std::uint64_t at = std::uint64_t(rowStart + x);
                if (at < total) pixels[at] = colourAt(i); // pixels placed outside the picture are dropped
                ++i;
                ++x;
                wrap();
            }
        }
        if (cut) break;
    }
}

// The class of a pixel decides the runs: 0 is transparent, anything else opaque (format 3: the level).
template <int Format> int PixelClass(std::uint32_t argb, std::uint8_t index, int transparentIndex) {
    if constexpr (Format == 1)
        return index == transparentIndex ? 0 : 1;
    else if constexpr (Format == 2)
        return (argb >> 24) < 128 ? 0 : 1;
    else
        return int((argb >> 24) / 85);
}

template <int Format>
std::vector<std::uint8_t> EncodeRuns(const TBitmap32& bitmap, const TBitmap8* indexed, int transparentIndex) {
    constexpr int longest = Format == 3 ? 64 : 128;
    constexpr std::size_t bytesPerPixel = Format == 1 ? 1 : 3;
    const int width = bitmap.width(), height = bitmap.height();
    // Worst case: every pixel its own run, a control byte and its data. The scratch buffer is left
    // uninitialised (zeroing it would cost as much as the encoding) and only its used part is kept.
    const std::size_t worst = std::size_t(width) * std::size_t(height) * (bytesPerPixel + 1);
    const auto scratch = std::make_unique_for_overwrite<std::uint8_t[]>(worst);
    std::uint8_t* w = scratch.get();
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = bitmap.ScanLine(y);
        const std::uint8_t* irow = indexed ? indexed->ScanLine(y) : nullptr;
        auto classOf = [&](int x) {
            return PixelClass<Format>(row[x], irow ? irow[x] : 0, transparentIndex);
        };
        int x = 0;
        while (x < width) {
            const int cls = classOf(x);
            int n = 1;
            while (x + n < width && n < longest && classOf(x + n) == cls)
                ++n;
            if constexpr (Format == 3)
                *w++ = std::uint8_t(cls * 64 + n % 64);
            else
                *w++ = std::uint8_t(cls == 0 ? 0x80 + n % 128 : n % 128);
            if (cls != 0) {
                for (int i = x; i < x + n; ++i) {
                    if constexpr (Format == 1) {
                        *w++ = irow[i];
                    } else {
                        const std::uint32_t p = row[i];
                        *w++ = std::uint8_t(p);
                        *w++ = std::uint8_t(p >> 8);
                        *w++ = std::uint8_t(p >> 16);
                    }
                }
            }
            x += n;
        }
    }
    return std::vector<std::uint8_t>(scratch.get(), w);
}

} // namespace

TSPRFrame::TSPRFrame(const TPetzPalette* framePalette, std::int32_t frameTransparentIndex)
    : TGenframe(framePalette, frameTransparentIndex) {}

void TSPRFrame::SetOffset(TPoint offset) {
    if (offset.x < 0 || offset.x > 65535 || offset.y < 0 || offset.y > 65535)
        throw std::out_of_range("Frame offset must lie in 0 to 65535");
    header.offsetX = std::uint16_t(offset.x);
    header.offsetY = std::uint16_t(offset.y);
}

void TSPRFrame::DrawPaletteChart() {
    std::vector<std::uint8_t> chart;
    chart.reserve(16 * 17);
    for (int r = 0; r < 16; ++r) {
        chart.push_back(0x10);
        for (int c = 0; c < 16; ++c)
            chart.push_back(std::uint8_t(16 * r + c));
    }
    pixelData = std::move(chart);
    header.width = 16;
    header.height = 16;
}

std::string TSPRFrame::DecodeProblem() const {
    if (header.format < 1 || header.format > 3)
        return "unknown pixel format " + std::to_string(header.format);
    if (std::uint64_t(header.width) * header.height > PixelLimit(pixelData.size()))
        return "a frame of " + std::to_string(header.width) + " x " + std::to_string(header.height) +
               " pixels is larger than its " + std::to_string(pixelData.size()) +
               " bytes of pixel data can describe";
    return {};
}

bool TSPRFrame::DecodeTo(TBitmap32& bitmap) const {
    if (!DecodeProblem().empty()) return false;
    bitmap.Resize(header.width, header.height, 0);
    switch (header.format) {
    case 1:
        DecodeRuns<1>(pixelData, *palette, bitmap);
        break;
    case 2:
        DecodeRuns<2>(pixelData, *palette, bitmap);
        break;
    default:
        DecodeRuns<3>(pixelData, *palette, bitmap);
        break;
    }
    return true;
}

void TSPRFrame::EncodeFrom(const TBitmap32& bitmap) {
    // Every check comes before the first change, so a refused bitmap leaves the frame intact.
    if (bitmap.width() > 65535 || bitmap.height() > 65535)
        throw std::out_of_range("A sprite frame cannot be wider or taller than 65535 pixels");
    std::vector<std::uint8_t> data;
    switch (header.format) {
    case 1: {
        TBitmap8 indexed;
        ReduceToPalette(bitmap, indexed, *palette, 0, 255, transparentIndex);
        data = EncodeRuns<1>(bitmap, &indexed, transparentIndex);
        break;
    }
    case 2:
        data = EncodeRuns<2>(bitmap, nullptr, transparentIndex);
        break;
    case 3:
        data = EncodeRuns<3>(bitmap, nullptr, transparentIndex);
        break;
    default:
        throw eerrormessage("Invalid frame format - Cannot encode input bitmap to match!");
    }
    pixelData = std::move(data);
    header.width = std::uint16_t(bitmap.width());
    header.height = std::uint16_t(bitmap.height());
}

void TSPRFrame::Assign(const TGenframe& other) {
    if (&other == this) return;
    if (const auto* spr = dynamic_cast<const TSPRFrame*>(&other)) {
        header = spr->header;
        pixelData = spr->pixelData;
        return;
    }
    TBitmap32 scratch;
    other.DecodeTo(scratch);
    EncodeFrom(scratch);
    SetOffset(other.GetOffset());
}

void TSPRFrame::SetHeaderBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != HeaderSize) throw EReadError("Read error: a frame header is 24 bytes");
    std::memcpy(&header, bytes.data(), HeaderSize);
}

std::array<std::uint8_t, TSPRFrame::HeaderSize> TSPRFrame::HeaderBytes() const {
    std::array<std::uint8_t, HeaderSize> out{};
    std::memcpy(out.data(), &header, HeaderSize);
    return out;
}

} // namespace ballforge
