#pragma once
// The owner records of pets (after the family tree) and of babies (their "OwnerInfo" part).
#include "documents/ByteReader.h"
#include "formats/PetDateTime.h"

#include <cstdint>
#include <span>
#include <string>

namespace ballforge {

/// A pet's owner record, stored right after the root ancestry record.
class TOwnerInfoDecoder {
public:
    std::string ownerName;
    std::string comments;
    TPetDateTime adoptionDate{};

    /// Raises EReadError when the record runs past the end.
    void LoadFromStream(ByteReader& in);
};

/// What a baby's owner record tells.
struct TBabyOwnerInfo {
    std::string ownerName;
    TPetDateTime adoptionDate{};
};

/// Reads a baby's "OwnerInfo" part from its start; raises EReadError when it is cut short.
TBabyOwnerInfo ReadBabyOwnerInfo(std::span<const std::uint8_t> part);

} // namespace ballforge
