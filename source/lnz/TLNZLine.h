#pragma once
// The root of the LNZ line classes, and the query for a line's capabilities.
#include "lnz/LNZLineInterfaces.h"
#include "lnz/LNZParseErrors.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

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

} // namespace ballforge
