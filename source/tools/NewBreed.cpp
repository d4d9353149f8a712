#include "tools/NewBreed.h"

#include "documents/ByteReader.h"
#include "documents/ByteWriter.h"
#include "documents/Errors.h"
#include "documents/FileUtils.h"
#include "documents/TextCodec.h"

#include <array>
#include <stdexcept>

namespace ballforge {

namespace {

constexpr std::size_t kEntrySize = 72;
constexpr std::size_t kBreedIDOffset = 64;

struct TSpriteEntry {
    std::array<std::uint8_t, kEntrySize> bytes{};
};

// The whole list as it is stored; a list that ends before its announced entries cannot be read.
std::vector<TSpriteEntry> ReadSpriteList(std::span<const std::uint8_t> data) {
    ByteReader r(data);
    const std::uint32_t count = r.u32();
    if (std::uint64_t{count} * kEntrySize > r.remaining())
        throw EReadError("The sprite list ends before its " + std::to_string(count) + " entries");
    std::vector<TSpriteEntry> entries(count);
    for (auto& e : entries) {
        auto raw = r.slice(r.position(), kEntrySize);
        std::copy(raw.begin(), raw.end(), e.bytes.begin());
        r.skip(kEntrySize);
        const std::uint32_t id = ByteReader(raw).peek<std::uint32_t>(kBreedIDOffset);
        if (id > 0xFFFF) throw std::range_error("Breed ID " + std::to_string(id) + " is out of range");
    }
    return entries;
}

std::vector<std::uint8_t> WriteSpriteList(const std::vector<TSpriteEntry>& entries) {
    ByteWriter w;
    w.u32(static_cast<std::uint32_t>(entries.size()));
    for (const auto& e : entries)
        w.bytes(e.bytes);
    return w.take();
}

} // namespace

tresourcenode* FindSpriteListLeaf(tresourcenode& root) {
    tresourcenode* type = root.FindChildByID(10);
    tresourcenode* name = type ? type->FindChildByID(1003) : nullptr;
    return name ? name->FindChildByID(1033) : nullptr;
}

tresourcenode* FindBreedStringsLeaf(tresourcenode& root) {
    tresourcenode* type = root.FindChildByID(6);
    tresourcenode* name = type ? type->FindChildByID(63) : nullptr;
    return name ? name->FindChildByID(1033) : nullptr;
}

std::uint32_t BreedIDOfSpriteList(const tresourcenode& spriteList) {
    std::vector<TSpriteEntry> entries;
    try {
        entries = ReadSpriteList(spriteList.data);
    } catch (const std::exception& e) {
        throw eerrormessage(std::string("The breed's sprite list cannot be read: ") + e.what());
    }
    if (entries.empty())
        throw eerrormessage("The breed's sprite list has no entries, so it carries no breed ID. Add an entry "
                            "to the sprite list, or save the breed under its old file name.");
    return ByteReader(entries[0].bytes).peek<std::uint32_t>(kBreedIDOffset);
}

void SetBreedID(tresourcenode& spriteList, std::uint16_t breedID) {
    auto entries = ReadSpriteList(spriteList.data);
    if (entries.empty()) throw eerrormessage("The breed's sprite list has no entries");
    const std::uint32_t wide = breedID;
    for (std::size_t i = 0; i < 4; ++i)
        entries[0].bytes[kBreedIDOffset + i] = static_cast<std::uint8_t>(wide >> (8 * i));
    spriteList.data = WriteSpriteList(entries);
}

void SetBreedName(tresourcenode& breedStrings, const std::string& name) {
    // The sixteen strings of block 63 kept in their stored UTF-16, so the others come back unchanged.
    std::array<std::u16string, 16> strings;
    ByteReader r(breedStrings.data);
    for (auto& s : strings) {
        if (r.remaining() < 2) continue;
        const std::uint16_t length = r.u16();
        if (length == 0 || r.remaining() < std::uint64_t{length} * 2) continue;
        for (std::uint16_t i = 0; i < length; ++i)
            s.push_back(static_cast<char16_t>(r.u16()));
        if (auto zero = s.find(u'\0'); zero != std::u16string::npos) s.resize(zero);
    }
    strings[1001 % 16] = Utf8ToUtf16(name);
    ByteWriter w;
    for (const auto& s : strings) {
        if (s.size() > 0xFFFF) throw std::range_error("A string of the string table is too long");
        w.u16(static_cast<std::uint16_t>(s.size()));
        for (char16_t c : s)
            w.u16(c);
    }
    breedStrings.data = w.take();
}

static std::uint16_t Swap(std::uint16_t v) {
    return static_cast<std::uint16_t>((v >> 8) | (v << 8));
}

std::string SwappedBreedIDHex(std::uint16_t breedID) {
    static const char digits[] = "0123456789ABCDEF";
    const std::uint16_t s = Swap(breedID);
    std::string out(4, '0');
    for (int i = 0; i < 4; ++i)
        out[static_cast<std::size_t>(3 - i)] = digits[(s >> (4 * i)) & 0xF];
    return out;
}

std::uint16_t BreedIDFromSwappedHex(const std::string& hex) {
    std::uint32_t v = 0;
    for (char c : hex) {
        int d = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                       : -1;
        if (d < 0) break;
        v = ((v << 4) | static_cast<std::uint32_t>(d)) & 0xFFFF;
    }
    return Swap(static_cast<std::uint16_t>(v));
}

std::string BreedNameFromFileName(const std::string& fileName) {
    // Windows separators count too: names typed on Windows reach us unchanged.
    std::string base = fileName;
    if (auto slash = base.find_last_of("/\\"); slash != std::string::npos) base = base.substr(slash + 1);
    if (auto dot = base.rfind('.'); dot != std::string::npos && dot > 0) base.resize(dot);
    return base;
}

} // namespace ballforge
