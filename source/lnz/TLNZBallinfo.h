#pragma once
// A line of "Ballz Info": colours, fuzz, outline, size difference, group and texture of a ball.
#include "lnz/TLNZLine.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A line of "Ballz Info": colours, fuzz, outline, size difference, group and texture of a ball.
class TLNZBallinfo : public TLNZLine, public IPFLine, public IPFLineHint, public IPFTextureRefs {
public:
    std::string_view ClassName() const override { return "TLNZBallinfo"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override;
    bool Renumber(std::uint8_t what, std::int32_t index, bool inserting) override;
    bool RefersToTexture(std::string_view number) const override;
    void RemapTextures(const TNumberMap& map) override;
    std::int32_t colour = 0, outlineColour = 0, speckleColour = 0, fuzz = 0, outlineType = 0,
                 sizeDifference = 0, group = 0, texture = 0;
};

} // namespace ballforge
