#pragma once
// A line of "Paint Ballz": a base ball, a diameter, a direction of three reals, colours, flags and a texture.
#include "lnz/TLNZBallRef.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A line of "Paint Ballz": a base ball, a diameter, a direction of three reals, colours, flags and a
/// texture.
class TLNZPaintball : public TLNZBallRef, public IPFLine, public IPFLineHint {
public:
    std::string_view ClassName() const override { return "TLNZPaintball"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override;
    bool Renumber(std::uint8_t what, std::int32_t index, bool inserting) override;
    std::int32_t diameter = 0;
    float directionX = 0, directionY = 0, directionZ = 0;
    std::int32_t colour = 0, outlineColour = -1, fuzz = 0, outline = -1, group = -1, texture = -1;
};

} // namespace ballforge
