#pragma once
// The capability interfaces an LNZ line offers or not, each with its GUID.
#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ballforge {

/// Pairs (old number, new number) as decimal texts; the first pair whose old text matches applies.
using TNumberMap = std::vector<std::pair<std::string, std::string>>;

// Capability interfaces. A line offers some of them; one obtained from a line is a borrowed view
// (the protected destructors keep anyone but the line's owner from freeing it).

class IPFLine {
public:
    static constexpr std::string_view GUID = "{34113CC7-7417-415D-A462-F0C3BEF27324}";
    /// Parses the code part of a body line (without its comment, trimmed).
    virtual void ParseText(std::string_view code) = 0;
    virtual std::string FormatText() const = 0;

protected:
    ~IPFLine() = default;
};

class IPFLineHint {
public:
    static constexpr std::string_view GUID = "{89F2656B-F836-4750-94FB-D3198744960E}";
    virtual std::string GetHint() const = 0;

protected:
    ~IPFLineHint() = default;
};

class IPFBallRefs {
public:
    static constexpr std::string_view GUID = "{8A3E8F60-4D6F-45CE-B864-E39195A65ECD}";
    virtual bool RefersToBall(std::string_view number) const = 0;
    virtual void RemapBalls(const TNumberMap& map) = 0;

protected:
    ~IPFBallRefs() = default;
};

class IPFTextureRefs {
public:
    static constexpr std::string_view GUID = "{0A0ADCEB-9476-46DA-B8B7-659B79D29587}";
    virtual bool RefersToTexture(std::string_view number) const = 0;
    virtual void RemapTextures(const TNumberMap& map) = 0;

protected:
    ~IPFTextureRefs() = default;
};

class IPFXMLItem {
public:
    static constexpr std::string_view GUID = "{7B29DAEF-B400-426B-82BD-BCD0C66C027D}";
    virtual void ReadXML(const pugi::xml_node& element) = 0;
    virtual void WriteXML(pugi::xml_node& parent) const = 0;

protected:
    ~IPFXMLItem() = default;
};

} // namespace ballforge
