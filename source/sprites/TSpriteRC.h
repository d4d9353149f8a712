#pragma once
// One entry of a sprite list.
#include <cstdint>
#include <string>

namespace ballforge {

/// A sprite-list entry; the first entry of a breed's list carries the breed ID.
class TSpriteRC {
public:
    std::string spriteName;  // 8-bit text, at most 32 bytes are stored
    std::string displayName; // 8-bit text, at most 32 bytes are stored
    std::uint32_t tag = 0;
    std::uint16_t breedID = 0;
};

} // namespace ballforge
