#pragma once
// The LNZ line model: one class per section kind that parses a body line into typed fields, writes
// it back in canonical form, describes it, and tells and renumbers the balls and textures it uses.
#include "lnz/petzcommon.h"

#include <pugixml.hpp>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ballforge {

/// A body line that does not fit its section's grammar.
class EParseError : public std::runtime_error {
public:
    explicit EParseError(const std::string& message) : std::runtime_error(message) {}
};

/// Fewer fields than the line class needs.
class EPEWrongNum : public EParseError {
public:
    EPEWrongNum(int found, int required);
};

/// Copying between two line objects of which one has no text form.
class ECantAssign : public std::runtime_error {
public:
    explicit ECantAssign(const std::string& message) : std::runtime_error(message) {}
};

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

/// What Renumber adjusts.
enum : std::uint8_t { rnTextures = 0, rnBalls = 1 };

/// The root of the line classes.
class TLNZLine {
public:
    TLNZLine() = default;
    virtual ~TLNZLine() = default;
    TLNZLine(const TLNZLine&) = delete;
    TLNZLine& operator=(const TLNZLine&) = delete;

    virtual std::string_view ClassName() const { return "TLNZLine"; }
    /// Follows a ball or texture inserted at or deleted from index; false when a required ball was deleted.
    virtual bool Renumber(std::uint8_t what, std::int32_t index, bool inserting);
    /// Copies source into this line through their text forms.
    void Assign(const TLNZLine& source) { source.AssignTo(*this); }
    virtual void AssignTo(TLNZLine& destination) const;
    /// The comment line(s) naming the section's columns.
    virtual std::string ColumnHeader() const { return {}; }
};

/// The interface I of a line, borrowed, or null when the line does not offer it.
template <class I> I* Supports(TLNZLine& line) {
    return dynamic_cast<I*>(&line);
}
template <class I> const I* Supports(const TLNZLine& line) {
    return dynamic_cast<const I*>(&line);
}
/// True when the line offers the interface with this GUID.
bool Supports(const TLNZLine& line, std::string_view guid);

/// Any line of a section without a grammar of its own: its text, kept as it is.
class TPFGenericLine : public TLNZLine, public IPFLine {
public:
    std::string_view ClassName() const override { return "TPFGenericLine"; }
    void ParseText(std::string_view code) override { text.assign(code); }
    std::string FormatText() const override { return text; }
    std::string text;
};

/// A line whose first field is a ball number.
class TLNZBallRef : public TLNZLine, public IPFBallRefs {
public:
    std::string_view ClassName() const override { return "TLNZBallRef"; }
    bool Renumber(std::uint8_t what, std::int32_t index, bool inserting) override;
    bool RefersToBall(std::string_view number) const override;
    void RemapBalls(const TNumberMap& map) override;
    std::int32_t ball = 0;
};

class TLNZOmissions : public TLNZBallRef, public IPFLine, public IPFLineHint {
public:
    std::string_view ClassName() const override { return "TLNZOmissions"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Ball number"; }
};

class TLNZEyelidcolour : public TLNZLine, public IPFLine, public IPFLineHint {
public:
    std::string_view ClassName() const override { return "TLNZEyelidcolour"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Colour,group"; }
    std::int32_t colour = 0;
};

class TLNZmove : public TLNZLine, public IPFLine, public IPFLineHint, public IPFBallRefs {
public:
    std::string_view ClassName() const override { return "TLNZmove"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Ball number,x,y,z,(relative ball num)"; }
    bool Renumber(std::uint8_t what, std::int32_t index, bool inserting) override;
    bool RefersToBall(std::string_view number) const override;
    void RemapBalls(const TNumberMap& map) override;
    std::int32_t ball = 0, x = 0, y = 0, z = 0, relativeBall = 0;
    bool hasRelative = false;
};

class TLNZBallProjection : public TLNZLine, public IPFLine, public IPFLineHint, public IPFBallRefs {
public:
    std::string_view ClassName() const override { return "TLNZBallProjection"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Anchor,ball,distance"; }
    bool Renumber(std::uint8_t what, std::int32_t index, bool inserting) override;
    bool RefersToBall(std::string_view number) const override;
    void RemapBalls(const TNumberMap& map) override;
    std::int32_t anchor = 0, ball = 0, distance = 0;
};

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

class TLNZLinez : public TLNZLine, public IPFLine, public IPFLineHint, public IPFBallRefs {
public:
    std::string_view ClassName() const override { return "TLNZLinez"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override;
    bool Renumber(std::uint8_t what, std::int32_t index, bool inserting) override;
    bool RefersToBall(std::string_view number) const override;
    void RemapBalls(const TNumberMap& map) override;
    std::int32_t startBall = 0, endBall = 0, fuzz = 0, colour = 0, leftColour = 0, rightColour = 0,
                 startThickness = 0, endThickness = 0;
};

class TLNZPaintball : public TLNZBallRef, public IPFLine, public IPFLineHint {
public:
    std::string_view ClassName() const override { return "TLNZPaintball"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override;
    bool Renumber(std::uint8_t what, std::int32_t index, bool inserting) override;
    std::int32_t diameter = 0;
    float directionX = 0, directionY = 0, directionZ = 0;
    std::int32_t colour = 0, outlineColour = -1, fuzz = 0, outline = -1, group = -1, texture = -1;
};

class TLNZBallinfo : public TLNZLine, public IPFLine, public IPFLineHint, public IPFTextureRefs {
public:
    std::string_view ClassName() const override { return "TLNZBallinfo"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override;
    bool Renumber(std::uint8_t what, std::int32_t index, bool inserting) override;
    bool RefersToTexture(std::string_view number) const override;
    void RemapTextures(const TNumberMap& map) override;
    std::int32_t colour = 0, outlineColour = 0, speckleColour = 0, fuzz = 0, outlineType = 0,
                 sizeDifference = 0, group = 0, texture = 0;
};

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

class TLNZfuzzoverride : public TLNZBallRef, public IPFLine, public IPFLineHint {
public:
    std::string_view ClassName() const override { return "TLNZfuzzoverride"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Ball number,fuzz"; }
    std::int32_t fuzz = 0;
};

class TLNZballsizeoverride : public TLNZBallRef, public IPFLine, public IPFLineHint {
public:
    std::string_view ClassName() const override { return "TLNZballsizeoverride"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Ball number,size"; }
    std::int32_t size = 0;
};

class TLNZThinfat : public TLNZBallRef, public IPFLine, public IPFLineHint {
public:
    std::string_view ClassName() const override { return "TLNZThinfat"; }
    void ParseText(std::string_view code) override;
    std::string FormatText() const override;
    std::string GetHint() const override;
    std::string ColumnHeader() const override { return ";Ball num,smallest change,biggest change"; }
    std::int32_t smallest = 0, biggest = 0;
};

/// A line class: makes a new, empty line object.
using TLNZLineClass = std::unique_ptr<TLNZLine> (*)();

/// The class that parses the body lines of a section of this kind (TPFGenericLine for 0, 1 and unknown
/// kinds).
TLNZLineClass LineKindClass(std::uint8_t kind);

} // namespace ballforge
