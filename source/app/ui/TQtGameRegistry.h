#pragma once
// The games' local-machine keys on Windows, read through QSettings.
#include "app/TGameRegistry.h"

#include <memory>

namespace ballforge {

class TQtGameRegistry : public TGameRegistry {
public:
    std::optional<std::string> ReadMachineString(const std::string& key,
                                                 const std::string& value) const override;
    std::string NativePath(const std::string& registryPath) const override { return registryPath; }
};

/// The registry of this system: Windows' own, or the default Wine prefix's elsewhere.
std::unique_ptr<TGameRegistry> SystemGameRegistry();

} // namespace ballforge
