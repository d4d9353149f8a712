#pragma once
// Start-up decisions of the main window that need no window: which file to open, where to stand.
#include "app/TSettings.h"

#include <optional>
#include <string>
#include <vector>

namespace ballforge {

/// Only a command line of exactly one argument (after the program) names a file to open.
std::optional<std::string> FileToOpenFromArguments(const std::vector<std::string>& argumentsAfterProgram);

struct TWindowPlacement {
    int left, top, width, height;
};

/// The stored rectangle, when it is sensible on a screen of the given size; otherwise none, and the
/// window keeps its centred default place.
std::optional<TWindowPlacement> PlacementFromSettings(const TSettings& settings, int screenWidth,
                                                      int screenHeight);

} // namespace ballforge
