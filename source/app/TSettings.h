#pragma once
// The program's remembered settings: read once at start-up, written once at the end.
#include "app/TRecentfiles.h"
#include "app/TSettingsStore.h"

#include <cstdint>
#include <string>

namespace ballforge {

/// Window states as they are stored: 0 normal, 1 minimized, 2 maximized.
enum TWindowStateValue : std::uint8_t { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

/// The one settings object of the program.
class TSettings {
public:
    std::string lastFolder;
    std::int32_t windowLeft = 20;
    std::int32_t windowTop = 20;
    std::int32_t windowRight = 700;
    std::int32_t windowBottom = 600;
    std::uint8_t mainWindowState = wsNormal;
    std::uint8_t childWindowState = wsNormal;
    TRecentfiles recentFiles;
    std::int32_t helpPaneHeight = 150;

    /// Missing key or values keep their defaults; nothing is reported.
    void Load(const TSettingsStore& store);
    /// Writes every value (when the key can be opened), then the recent files.
    void Save(TSettingsStore& store, const std::string& applicationPath) const;

    std::string WindowPositionText() const;
    /// "left,top,right,bottom": only four items count; items convert in order until one fails.
    void ApplyWindowPosition(const std::string& text);
};

/// The process-wide settings object (created on first use).
TSettings& Settings();

} // namespace ballforge
