#pragma once
// The base of the lines whose first field is a ball number.
#include "lnz/TLNZLine.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A line whose first field is a ball number.
class TLNZBallRef : public TLNZLine, public IPFBallRefs {
public:
    std::string_view ClassName() const override { return "TLNZBallRef"; }
    bool Renumber(std::uint8_t what, std::int32_t index, bool inserting) override;
    bool RefersToBall(std::string_view number) const override;
    void RemapBalls(const TNumberMap& map) override;
    std::int32_t ball = 0;
};

} // namespace ballforge
