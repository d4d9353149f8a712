#pragma once
// A line of "Omissions": one ball number.
#include "lnz/TLNZBallRef.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A line of "Omissions": one ball number.
class TLNZOmissions : public TLNZBallRef, public IPFLine, public IPFLineHint {
public:
    std::string_view ClassName() const override { return "TLNZOmissions"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Ball number"; }
};

} // namespace ballforge
