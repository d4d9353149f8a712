#include "formats/PetDateTime.h"

#include <cstdio>

namespace ballforge {

TPetDateTime TimestampToDateTime(std::uint32_t timestamp) {
    return TPetDateTime{std::chrono::seconds{static_cast<std::int64_t>(timestamp)}};
}

std::string FormatPetDateTime(TPetDateTime value) {
    const auto days = std::chrono::floor<std::chrono::days>(value);
    const std::chrono::year_month_day ymd{days};
    const std::chrono::hh_mm_ss hms{value - days};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", int(ymd.year()), unsigned(ymd.month()),
                  unsigned(ymd.day()), int(hms.hours().count()), int(hms.minutes().count()),
                  int(hms.seconds().count()));
    return text;
}

} // namespace ballforge
