#include "app/StartupRules.h"

namespace ballforge {

std::optional<std::string> FileToOpenFromArguments(const std::vector<std::string>& argumentsAfterProgram) {
    if (argumentsAfterProgram.size() != 1) return std::nullopt;
    return argumentsAfterProgram.front();
}

std::optional<TWindowPlacement> PlacementFromSettings(const TSettings& s, int screenWidth, int screenHeight) {
    // 64-bit sums: the stored numbers come from outside and may be anything.
    const std::int64_t l = s.windowLeft, t = s.windowTop, r = s.windowRight, b = s.windowBottom;
    if (r > 0 && b > 0 && l < screenWidth && t < screenHeight && l + 100 < r && t + 100 < b)
        return TWindowPlacement{static_cast<int>(l), static_cast<int>(t), static_cast<int>(r - l),
                                static_cast<int>(b - t)};
    return std::nullopt;
}

} // namespace ballforge
