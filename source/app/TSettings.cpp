#include "app/TSettings.h"

#include <charconv>
#include <vector>

namespace ballforge {

TSettings& Settings() {
    static TSettings settings;
    return settings;
}

std::string TSettings::WindowPositionText() const {
    return std::to_string(windowLeft) + "," + std::to_string(windowTop) + "," + std::to_string(windowRight) +
           "," + std::to_string(windowBottom);
}

static bool ToInt32(const std::string& text, std::int32_t& out) {
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    std::int32_t v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || p != s.data() + s.size()) return false;
    out = v;
    return true;
}

void TSettings::ApplyWindowPosition(const std::string& text) {
    std::vector<std::string> items;
    std::string item;
    for (char c : text) {
        if (c == ',') {
            items.push_back(item);
            item.clear();
        } else {
            item.push_back(c);
        }
    }
    items.push_back(item);
    if (items.size() != 4) return;
    std::int32_t* targets[] = {&windowLeft, &windowTop, &windowRight, &windowBottom};
    for (std::size_t i = 0; i < 4; ++i)
        if (!ToInt32(items[i], *targets[i])) return;
}

static std::uint8_t StateFrom(std::int32_t v, std::uint8_t fallback) {
    // Only the three window states mean anything; a stray number keeps what there was.
    return v >= 0 && v <= 2 ? static_cast<std::uint8_t>(v) : fallback;
}

void TSettings::Load(const TSettingsStore& store) {
    if (!store.KeyExists()) return;
    if (auto v = store.ReadString("lastpath")) lastFolder = *v;
    if (auto v = store.ReadString("WindowPosition")) ApplyWindowPosition(*v);
    if (auto v = store.ReadInteger("MainWindowState")) mainWindowState = StateFrom(*v, mainWindowState);
    if (auto v = store.ReadInteger("ChildWindowState")) childWindowState = StateFrom(*v, childWindowState);
    if (auto v = store.ReadInteger("HelpPaneHeight")) helpPaneHeight = *v;
    recentFiles.LoadFrom(store);
}

void TSettings::Save(TSettingsStore& store, const std::string& applicationPath) const {
    if (store.OpenForWriting()) {
        store.WriteString("lastpath", lastFolder);
        store.WriteString("apppath", applicationPath);
        store.WriteString("WindowPosition", WindowPositionText());
        store.WriteInteger("MainWindowState", mainWindowState);
        store.WriteInteger("ChildWindowState", childWindowState);
        store.WriteInteger("HelpPaneHeight", helpPaneHeight);
    }
    recentFiles.SaveTo(store);
}

} // namespace ballforge
