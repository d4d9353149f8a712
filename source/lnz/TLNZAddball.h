#pragma once
// A line of "Add Ball": a base ball, its offset, colours and flags, a texture and an optional extra ball.
#include "lnz/TLNZLine.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A line of "Add Ball": a base ball, its offset, colours and flags, a texture and an optional extra ball.
class TLNZAddball : public TLNZLine,
                    public IPFLine,
                    public IPFLineHint,
                    public IPFBallRefs,
                    public IPFTextureRefs {
public:
    std::string_view ClassName() const override { return "TLNZAddball"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override;
    bool Renumber(std::uint8_t what, std::int32_t index, bool inserting) override;
    bool RefersToBall(std::string_view number) const override;
    void RemapBalls(const TNumberMap& map) override;
    bool RefersToTexture(std::string_view number) const override;
    void RemapTextures(const TNumberMap& map) override;
    std::int32_t base = 0, x = 0, y = 0, z = 0, color = 0, outlineColor = 0, speckleColor = 0, fuzz = 0,
                 group = 0, outline = 0, ballsize = 0, bodyarea = 0, addGroup = 0, texture = 0, extraBall = 0;
    bool hasExtraBall = false;
};

} // namespace ballforge
