#pragma once
// A line of "Texture List": a texture file and its argument; also an XML element.
#include "lnz/TLNZLine.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A line of "Texture List": a texture file and its argument; also an XML element.
class TLNZtexturelist : public TLNZLine, public IPFLine, public IPFLineHint, public IPFXMLItem {
public:
    std::string_view ClassName() const override { return "TLNZtexturelist"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Name,argument"; }
    void ReadXML(const pugi::xml_node& element) override;
    void WriteXML(pugi::xml_node& parent) const override;
    std::string textureFile, displayName;
    std::int32_t argument = 0;
};

} // namespace ballforge
