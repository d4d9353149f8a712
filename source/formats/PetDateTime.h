#pragma once
// The games' timestamps: seconds since 1970-01-01 00:00, taken without any time-zone conversion.
#include <chrono>
#include <cstdint>
#include <string>

namespace ballforge {

using TPetDateTime = std::chrono::sys_seconds;

TPetDateTime TimestampToDateTime(std::uint32_t timestamp);

/// "YYYY-MM-DD HH:MM:SS", the form the command-line tool prints.
std::string FormatPetDateTime(TPetDateTime value);

} // namespace ballforge
