#pragma once
// Conversions between the UTF-16 of Windows resources and the UTF-8 held in memory.
#include <string>
#include <string_view>

namespace ballforge {

/// UTF-16 to UTF-8; a lone surrogate is kept as its own three-byte sequence so that nothing is lost.
std::string Utf16ToUtf8(std::u16string_view text);
/// UTF-8 to UTF-16; bytes that are not valid UTF-8 are taken as Windows-1252 characters.
std::u16string Utf8ToUtf16(std::string_view text);
/// Windows-1252 (the games' 8-bit texts) to UTF-8 and back; characters outside it become '?'.
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view text);

} // namespace ballforge
