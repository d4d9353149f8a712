#pragma once
// The separator scan, separator writer and byte sum shared by the pet and baby formats.
#include "documents/ByteReader.h"
#include "documents/ByteWriter.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ballforge {

/// A separator's exact bytes, its final zero byte included.
using TSeparator = std::span<const std::uint8_t>;

extern const TSeparator kPetMarkerA;    // "p.f.magicpetzIII\0"
extern const TSeparator kPetMarkerB;    // "PfMaGiCpEtZIII\0"
extern const TSeparator kPetMarkerC;    // "PFMAGICPETZIII\0"
extern const TSeparator kBabyMarker1;   // "pfmagic1\0"
extern const TSeparator kBabyMarker2;   // "pfmagic2\0"
extern const TSeparator kBabyMarker3;   // "pfmagic3\0"
extern const TSeparator kZeroSeparator; // a single zero byte

/// Copies the bytes from the reader's position up to the next separator into target and moves past the
/// separator. The separator is never accepted at the first byte, so a part is at least one byte long.
/// Without a match nothing is copied and the reader is left at the end (or where it was, when there was
/// no room for a separator at all); answers whether a separator was found.
bool CopyUntilSeparator(ByteReader& source, std::vector<std::uint8_t>& target, TSeparator separator);

void WriteSeparator(ByteWriter& out, TSeparator separator);

/// The running 32-bit sum of unsigned bytes; the files keep its low 16 bits.
std::uint32_t ByteSum(std::span<const std::uint8_t> bytes, std::uint32_t start = 0);

} // namespace ballforge
