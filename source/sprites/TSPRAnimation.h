#pragma once
// An animation of an "SPR" container.
#include "sprites/TGenAnimation.h"

#include <cstdint>

namespace ballforge {

/// Carries the two words of the animation record whose meaning is unknown, so a writer can keep them.
class TSPRAnimation : public TGenAnimation {
public:
    std::uint32_t firstWord = 0;
    std::uint32_t secondWord = 0;
};

} // namespace ballforge
