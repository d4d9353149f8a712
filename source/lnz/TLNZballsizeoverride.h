#pragma once
// A line of "Ball Size Override": a ball and its size.
#include "lnz/TLNZBallRef.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A line of "Ball Size Override": a ball and its size.
class TLNZballsizeoverride : public TLNZBallRef, public IPFLine, public IPFLineHint {
public:
    std::string_view ClassName() const override { return "TLNZballsizeoverride"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Ball number,size"; }
    std::int32_t size = 0;
};

} // namespace ballforge
