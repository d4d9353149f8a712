#include "sprites/BreedID.h"

#include <cctype>
#include <cstdio>

namespace ballforge {

namespace {

std::uint16_t SwapBytes(std::uint16_t v) {
    return std::uint16_t((v >> 8) | (v << 8));
}

} // namespace

std::string BreedIDHexText(std::uint16_t id) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04X", unsigned(SwapBytes(id)));
    return buf;
}

std::string BreedIDDisplayText(std::uint16_t id) {
    return std::to_string(id) + " (" + BreedIDHexText(id) + ")";
}

std::optional<std::uint16_t> BreedIDFromHexText(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && std::isspace(static_cast<unsigned char>(text[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1])))
        --e;
    if (e - b > 2 && text[b] == '0' && (text[b + 1] == 'x' || text[b + 1] == 'X')) b += 2;
    if (b == e || e - b > 4) return std::nullopt;
    unsigned value = 0;
    for (std::size_t i = b; i < e; ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
        const char c = char(std::toupper(static_cast<unsigned char>(text[i])));
        value = value * 16 + unsigned(c <= '9' ? c - '0' : c - 'A' + 10);
    }
    return SwapBytes(std::uint16_t(value));
}

} // namespace ballforge
