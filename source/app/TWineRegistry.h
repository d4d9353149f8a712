#pragma once
// The local-machine registry of a Wine prefix, read from its system.reg text.
#include "app/TGameRegistry.h"

#include <map>
#include <string>

namespace ballforge {

/// Players who run the games under Wine have their game keys in the prefix's system.reg; this reads
/// them from there and maps drive letters to the prefix's drive folders.
class TWineRegistry : public TGameRegistry {
public:
    /// Reads prefix/system.reg; a missing or unreadable file gives an empty registry.
    explicit TWineRegistry(std::string prefix);
    /// Parses registry text directly (tests, or a file read elsewhere).
    TWineRegistry(std::string prefix, const std::string& systemRegText);

    std::optional<std::string> ReadMachineString(const std::string& key,
                                                 const std::string& value) const override;
    std::string NativePath(const std::string& registryPath) const override;

    /// $WINEPREFIX, or the user's ~/.wine.
    static std::string DefaultPrefix();

private:
    void Parse(const std::string& text);
    std::string prefix_;
    // Lower-cased key path (no leading separator) -> lower-cased value name -> text.
    std::map<std::string, std::map<std::string, std::string>> keys_;
};

} // namespace ballforge
