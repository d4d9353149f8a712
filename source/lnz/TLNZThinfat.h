#pragma once
// A line of "Thin/Fat": a ball and its smallest and biggest change.
#include "lnz/TLNZBallRef.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A line of "Thin/Fat": a ball and its smallest and biggest change.
class TLNZThinfat : public TLNZBallRef, public IPFLine, public IPFLineHint {
public:
    std::string_view ClassName() const override { return "TLNZThinfat"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Ball num,smallest change,biggest change"; }
    std::int32_t smallest = 0, biggest = 0;
};

} // namespace ballforge
