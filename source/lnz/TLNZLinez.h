#pragma once
// A line of "Linez": two balls, fuzz, colours and two thicknesses.
#include "lnz/TLNZLine.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A line of "Linez": two balls, fuzz, colours and two thicknesses.
class TLNZLinez : public TLNZLine, public IPFLine, public IPFLineHint, public IPFBallRefs {
public:
    std::string_view ClassName() const override { return "TLNZLinez"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override;
    bool Renumber(std::uint8_t what, std::int32_t index, bool inserting) override;
    bool RefersToBall(std::string_view number) const override;
    void RemapBalls(const TNumberMap& map) override;
    std::int32_t startBall = 0, endBall = 0, fuzz = 0, colour = 0, leftColour = 0, rightColour = 0,
                 startThickness = 0, endThickness = 0;
};

} // namespace ballforge
