#pragma once
// The line of a section without a grammar of its own.
#include "lnz/TLNZLine.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// Any line of a section without a grammar of its own: its text, kept as it is.
class TPFGenericLine : public TLNZLine, public IPFLine {
public:
    std::string_view ClassName() const override { return "TPFGenericLine"; }
    void ParseText(std::string_view code) override { text.assign(code); }
    std::string FormatText() const override { return text; }
    std::string text;
};

} // namespace ballforge
