#include "documents/ResourceID.h"

#include <cerrno>
#include <charconv>

namespace ballforge {

const TResourceTypeNameRec ResourceTypeNames[19] = {
    {10, "RCData"},
    {9, "Accelerators"},
    {6, "String list"},
    {1, "Cursor"},
    {2, "Bitmap"},
    {3, "Icon"},
    {4, "Menu"},
    {5, "Dialog"},
    {7, "Font directory"},
    {8, "Font"},
    {11, "Message table"},
    {12, "Cursor group"},
    {14, "Icon group"},
    {16, "Version information"},
    {17, "Dialog include"},
    {19, "Plug and play descriptor"},
    {20, "VXD descriptor"},
    {21, "Animated cursor"},
    {22, "Animated icon"},
};

static char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

std::string UpperCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = AsciiUpper(c);
    return out;
}

// Plain decimal with an optional sign, as the conversion of typed numbers accepts it.
static bool ParseDecimal32(std::string_view text, std::int32_t& out) {
    if (text.empty()) return false;
    std::string_view digits = text;
    bool negative = false;
    if (digits.front() == '+' || digits.front() == '-') {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty()) return false;
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return false;
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return false;
    out = static_cast<std::int32_t>(value);
    return true;
}

TResourceIDRec ParseResourceID(std::string_view text) {
    std::int32_t number = 0;
    if (ParseDecimal32(text, number)) return TResourceIDRec::Number(number);
    for (const auto& row : ResourceTypeNames)
        if (SameText(text, row.name)) return TResourceIDRec::Number(row.number);
    return TResourceIDRec::Name(UpperCase(text));
}

std::string ResourceTypeName(std::int32_t number) {
    for (const auto& row : ResourceTypeNames)
        if (row.number == number) return row.name;
    return "RT" + std::to_string(number);
}

bool FitsPEIdentifier(const TResourceIDRec& id) {
    return !id.isNumber() || (id.number >= 0 && id.number <= 0xFFFF);
}

} // namespace ballforge
