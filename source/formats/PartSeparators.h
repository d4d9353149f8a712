#pragma once
// The separator scan, separator writer and byte sum shared by the pet and baby formats.
#include "documents/ByteReader.h"
#include "documents/ByteWriter.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace ballforge {

/// A separator's exact bytes, its final zero byte included.
using TSeparator = std::span<const std::uint8_t>;

namespace separator_detail {
template <std::size_t N> constexpr std::array<std::uint8_t, N> Bytes(const char (&text)[N]) {
    // The literal's own terminating zero is part of every separator.
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = 0; i < N; ++i)
        bytes[i] = static_cast<std::uint8_t>(text[i]);
    return bytes;
}
inline constexpr auto kPetA = Bytes("p.f.magicpetzIII");
inline constexpr auto kPetB = Bytes("PfMaGiCpEtZIII");
inline constexpr auto kPetC = Bytes("PFMAGICPETZIII");
inline constexpr auto kBaby1 = Bytes("pfmagic1");
inline constexpr auto kBaby2 = Bytes("pfmagic2");
inline constexpr auto kBaby3 = Bytes("pfmagic3");
inline constexpr auto kZero = Bytes("");
} // namespace separator_detail

// Constant-initialized, so the file layouts built from them are ready before any other static code runs.
inline constexpr TSeparator kPetMarkerA{separator_detail::kPetA};    // "p.f.magicpetzIII\0"
inline constexpr TSeparator kPetMarkerB{separator_detail::kPetB};    // "PfMaGiCpEtZIII\0"
inline constexpr TSeparator kPetMarkerC{separator_detail::kPetC};    // "PFMAGICPETZIII\0"
inline constexpr TSeparator kBabyMarker1{separator_detail::kBaby1};  // "pfmagic1\0"
inline constexpr TSeparator kBabyMarker2{separator_detail::kBaby2};  // "pfmagic2\0"
inline constexpr TSeparator kBabyMarker3{separator_detail::kBaby3};  // "pfmagic3\0"
inline constexpr TSeparator kZeroSeparator{separator_detail::kZero}; // a single zero byte

/// Copies the bytes from the reader's position up to the next separator into target and moves past the
/// separator. The separator is never accepted at the first byte, so a part is at least one byte long.
/// Without a match nothing is copied and the reader is left at the end (or where it was, when there was
/// no room for a separator at all); answers whether a separator was found.
bool CopyUntilSeparator(ByteReader& source, std::vector<std::uint8_t>& target, TSeparator separator);
/// The same scan, answering a view of the part instead of a copy.
bool ScanUntilSeparator(ByteReader& source, TSeparator separator, std::span<const std::uint8_t>& part);

void WriteSeparator(ByteWriter& out, TSeparator separator);

/// The running 32-bit sum of unsigned bytes; the files keep its low 16 bits.
std::uint32_t ByteSum(std::span<const std::uint8_t> bytes, std::uint32_t start = 0);

} // namespace ballforge
