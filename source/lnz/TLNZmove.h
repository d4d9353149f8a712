#pragma once
// A line of "Move": a ball, x, y, z and an optional relative ball.
#include "lnz/TLNZLine.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A line of "Move": a ball, x, y, z and an optional relative ball.
class TLNZmove : public TLNZLine, public IPFLine, public IPFLineHint, public IPFBallRefs {
public:
    std::string_view ClassName() const override { return "TLNZmove"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Ball number,x,y,z,(relative ball num)"; }
    bool Renumber(std::uint8_t what, std::int32_t index, bool inserting) override;
    bool RefersToBall(std::string_view number) const override;
    void RemapBalls(const TNumberMap& map) override;
    std::int32_t ball = 0, x = 0, y = 0, z = 0, relativeBall = 0;
    bool hasRelative = false;
};

} // namespace ballforge
