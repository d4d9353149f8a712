#pragma once
// A line of "Project Ball": an anchor ball, a ball and a distance.
#include "lnz/TLNZLine.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A line of "Project Ball": an anchor ball, a ball and a distance.
class TLNZBallProjection : public TLNZLine, public IPFLine, public IPFLineHint, public IPFBallRefs {
public:
    std::string_view ClassName() const override { return "TLNZBallProjection"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Anchor,ball,distance"; }
    bool Renumber(std::uint8_t what, std::int32_t index, bool inserting) override;
    bool RefersToBall(std::string_view number) const override;
    void RemapBalls(const TNumberMap& map) override;
    std::int32_t anchor = 0, ball = 0, distance = 0;
};

} // namespace ballforge
