// Builds examples/Sample.dog: a small breed module with everything the editor shows in a real breed.
// Usage: ballforge-samplegen BASE_MODULE SOURCE_FOLDER OUTPUT
//   BASE_MODULE   a 32-bit module with a resource section (tests/fixtures/pe/sample-base.dll)
//   SOURCE_FOLDER this folder: Adult.lnz, Child.lnz, Readme.txt
#include "documents/FileUtils.h"
#include "documents/TDLLresfile.h"
#include "documents/TextCodec.h"
#include "sprites/TSPRFrame.h"

#include <cmath>

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

using namespace ballforge;

namespace {

void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}

void PutFixed(std::vector<std::uint8_t>& b, const std::string& text, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) b.push_back(i < text.size() ? std::uint8_t(text[i]) : 0);
}

// A raw-data sprite list: a count, then 72-byte entries (sprite name, display name, breed ID, tag).
std::vector<std::uint8_t> SpriteList(std::uint32_t breedID) {
    std::vector<std::uint8_t> b;
    Put32(b, 1);
    PutFixed(b, "SampleSprite", 32);
    PutFixed(b, "Sample", 32);
    Put32(b, breedID);
    Put32(b, 1);
    return b;
}

// A string-table block: sixteen length-prefixed UTF-16 strings.
std::vector<std::uint8_t> StringBlock(const std::vector<std::pair<int, std::string>>& strings) {
    std::vector<std::uint8_t> b;
    for (int position = 0; position < 16; ++position) {
        std::u16string text;
        for (const auto& [p, s] : strings)
            if (p == position) text = Utf8ToUtf16(s);
        b.push_back(std::uint8_t(text.size()));
        b.push_back(std::uint8_t(text.size() >> 8));
        for (char16_t u : text) {
            b.push_back(std::uint8_t(u));
            b.push_back(std::uint8_t(u >> 8));
        }
    }
    return b;
}

// A 48 x 48 8-bit bitmap file: a soft brown coat with darker spots, 256-entry grey-brown ramp.
std::vector<std::uint8_t> Bitmap() {
    const int w = 48, h = 48;
    std::vector<std::uint8_t> b = {'B', 'M'};
    const std::uint32_t offBits = 14 + 40 + 256 * 4;
    Put32(b, offBits + w * h);
    Put32(b, 0);
    Put32(b, offBits);
    Put32(b, 40);
    Put32(b, w);
    Put32(b, h);
    b.insert(b.end(), {1, 0, 8, 0});
    Put32(b, 0);
    Put32(b, w * h);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, 256);
    Put32(b, 0);
    for (int i = 0; i < 256; ++i) b.insert(b.end(), {std::uint8_t(i * 3 / 5), std::uint8_t(i * 4 / 5), std::uint8_t(i), 0});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int dx = (x % 16) - 8, dy = (y % 16) - 8;
            const bool spot = dx * dx + dy * dy < 18;
            b.push_back(std::uint8_t(spot ? 60 + (x + y) % 20 : 170 + (x * 2 + y) % 60));
        }
    return b;
}

// A sprite container with one animation: a ball with a spot rolling to the right, six frames of
// 40 x 40 in the true-colour format with alpha, encoded by the program's own codec.
std::vector<std::uint8_t> SpriteContainer() {
    const int frames = 6, size = 40;
    std::vector<std::vector<std::uint8_t>> headers, blocks;
    for (int i = 0; i < frames; ++i) {
        TBitmap32 picture(size, size, 0);
        const double spin = i * 3.14159265 / 3;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const double dx = x - 19.5, dy = y - 19.5, r = std::sqrt(dx * dx + dy * dy);
                if (r > 18.5) continue;
                const double sx = 10 * std::cos(spin), sy = 10 * std::sin(spin);
                const bool spot = (dx - sx) * (dx - sx) + (dy - sy) * (dy - sy) < 30;
                const int shade = int(60 * (1 - r / 19));
                const std::uint32_t alpha = r > 17.5 ? 0x80u : 0xFFu;
                const std::uint32_t rgb = spot ? 0x203080u : (0xC04000u + (std::uint32_t(shade) << 8));
                picture.SetPixel(x, y, (alpha << 24) | rgb);
            }
        TSPRFrame frame(nullptr, 253);
        frame.header.format = 3;
        frame.header.offsetX = std::uint16_t(i * 6);
        frame.EncodeFrom(picture);
        const auto h = frame.HeaderBytes();
        headers.emplace_back(h.begin(), h.end());
        blocks.push_back(frame.pixelData);
    }
    const std::string name = "ROLL";
    std::vector<std::uint8_t> b;
    Put32(b, 1); // one animation
    Put32(b, 0); // starting right after the offset table
    b.push_back(std::uint8_t(name.size()));
    b.insert(b.end(), name.begin(), name.end());
    b.push_back(0);
    Put32(b, 0); // first animation word
    Put32(b, frames);
    for (const auto& h : headers) b.insert(b.end(), h.begin(), h.end());
    Put32(b, 0); // second animation word
    for (const auto& d : blocks) {
        Put32(b, std::uint32_t(d.size() + 4));
        b.insert(b.end(), d.begin(), d.end());
    }
    return b;
}

void Set(TDLLresfile& f, const TResourceIDRec& type, const TResourceIDRec& name, std::vector<std::uint8_t> bytes) {
    tresourcenode* leaf = f.root().GetOrAddChild(type)->GetOrAddChild(name)->GetOrAddChildByID(1033);
    leaf->data = std::move(bytes);
    leaf->frameclass = FrameClassFor(type, name);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "Usage: ballforge-samplegen BASE_MODULE SOURCE_FOLDER OUTPUT\n";
        return 2;
    }
    const std::string base = argv[1], folder = argv[2], output = argv[3];
    try {
        if (!WriteFileSafely(output, ReadWholeFile(base))) throw std::runtime_error("cannot write " + output);
        TDLLresfile f(output);
        f.Load();
        f.root().Clear(); // the base module's own placeholder goes
        auto N = TResourceIDRec::Number;
        auto S = TResourceIDRec::Name;
        Set(f, S("LNZ"), S("SAMPLE"), ReadWholeFile(folder + "/Adult.lnz"));
        Set(f, S("LNZ"), S("SAMPLEPUP"), ReadWholeFile(folder + "/Child.lnz"));
        Set(f, S("TXT"), S("README"), ReadWholeFile(folder + "/Readme.txt"));
        Set(f, S("BMP"), S("COAT"), Bitmap());
        Set(f, S("SPR"), S("SAMPLEBALL"), SpriteContainer());
        Set(f, N(6), N(1), StringBlock({{1, "Sample"}, {2, "Sample breed"}}));
        Set(f, N(6), N(63), StringBlock({{9, "Sample"}, {10, "Sample"}}));
        Set(f, N(10), N(1003), SpriteList(1234));
        if (!f.SaveTo(output)) throw std::runtime_error("cannot save " + output + ": " + f.lastError());
        std::cout << "Wrote " << output << "\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "ballforge-samplegen: " << e.what() << "\n";
        return 1;
    }
}
