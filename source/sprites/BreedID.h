#pragma once
// How a breed ID is shown everywhere: decimal, and its two bytes swapped as four hexadecimal digits.
#include <cstdint>
#include <optional>
#include <string>

namespace ballforge {

/// The byte-swapped ID as four upper-case hexadecimal digits: 1234 (0x04D2) gives "D204".
std::string BreedIDHexText(std::uint16_t id);
/// The ID in decimal followed by its hexadecimal form: "1234 (D204)".
std::string BreedIDDisplayText(std::uint16_t id);
/// Reads the hexadecimal form back ("D204" gives 1234); empty when the text is no number of 0 to FFFF.
std::optional<std::uint16_t> BreedIDFromHexText(const std::string& text);

} // namespace ballforge
