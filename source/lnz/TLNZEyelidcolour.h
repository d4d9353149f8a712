#pragma once
// A line of "256 Eyelid Color": a colour (a group after it is ignored).
#include "lnz/TLNZLine.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A line of "256 Eyelid Color": a colour (a group after it is ignored).
class TLNZEyelidcolour : public TLNZLine, public IPFLine, public IPFLineHint {
public:
    std::string_view ClassName() const override { return "TLNZEyelidcolour"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Colour,group"; }
    std::int32_t colour = 0;
};

} // namespace ballforge
