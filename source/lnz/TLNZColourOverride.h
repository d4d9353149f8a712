#pragma once
// A line of "Outline Color Override" or "Color Info Override": a ball, a colour, an optional group and
// texture.
#include "lnz/TLNZBallRef.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A line of "Outline Color Override" or "Color Info Override": a ball, a colour, an optional group and
/// texture.
class TLNZColourOverride : public TLNZBallRef, public IPFLine, public IPFLineHint {
public:
    std::string_view ClassName() const override { return "TLNZColourOverride"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Ball number,colour,(group),(texture)"; }
    std::int32_t colour = 0, group = 0, texture = 0;
    bool hasGroup = false, hasTexture = false;
};

} // namespace ballforge
