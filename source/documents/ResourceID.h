#pragma once
// Resource identifiers: a number or a name, and the text rules that turn one into the other.
#include <cstdint>
#include <string>
#include <string_view>

namespace ballforge {

/// A resource type, name or language: a number when numeric is set, otherwise a name.
struct TResourceIDRec {
    std::uint8_t numeric = 0;
    std::int32_t number = 0;
    std::string name;

    static TResourceIDRec Number(std::int32_t n) { return TResourceIDRec{1, n, {}}; }
    static TResourceIDRec Name(std::string s) { return TResourceIDRec{0, 0, std::move(s)}; }
    bool isNumber() const { return numeric != 0; }
    bool operator==(const TResourceIDRec& o) const {
        return numeric == o.numeric && (numeric ? number == o.number : name == o.name);
    }
};

struct TResourceTypeNameRec {
    std::int32_t number;
    const char* name;
};

/// The 19 standard type names, in the order they are searched.
extern const TResourceTypeNameRec ResourceTypeNames[19];

/// Well-known numeric resource types.
enum : std::int32_t { RT_BITMAP_ID = 2, RT_STRING_ID = 6, RT_RCDATA_ID = 10 };

/// Turns typed text into an identifier: a decimal 32-bit number, a standard type name, or else an
/// upper-cased name. Never fails.
TResourceIDRec ParseResourceID(std::string_view text);

/// The standard name of a resource type number, or "RT" followed by the number.
std::string ResourceTypeName(std::int32_t number);

/// The PE convention: a resource reference below 0x10000 is a number, anything else names a string.
inline bool IsIntResource(std::uintptr_t value) { return value < 0x10000; }

/// Case-insensitive comparison used for names of parts, sections and resources.
bool SameText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view s);

/// True when the identifier can be stored in a PE module (numbers 0 to 65535).
bool FitsPEIdentifier(const TResourceIDRec& id);

} // namespace ballforge
