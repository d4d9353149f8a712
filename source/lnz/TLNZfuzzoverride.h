#pragma once
// A line of "Fuzz Override": a ball and its fuzz.
#include "lnz/TLNZBallRef.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A line of "Fuzz Override": a ball and its fuzz.
class TLNZfuzzoverride : public TLNZBallRef, public IPFLine, public IPFLineHint {
public:
    std::string_view ClassName() const override { return "TLNZfuzzoverride"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Ball number,fuzz"; }
    std::int32_t fuzz = 0;
};

} // namespace ballforge
