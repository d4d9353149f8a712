#pragma once
// Where each game version is installed, found from the keys its installer wrote.
#include "app/TGameRegistry.h"

#include <array>
#include <string>

namespace ballforge {

/// One row of the game version table: the key under the local-machine root and the version's name.
struct TPetzName {
    const char* key;
    const char* name;
};

/// Indexed 2 to 5 like the game versions; entries 0 and 1 are unused.
extern const std::array<TPetzName, 6> PetzNames;

/// The installation folder of each game version 2 to 5, empty when it was not found.
using TGameRootFolders = std::array<std::string, 6>;

/// A version counts as installed when its key names a root under which
/// "resource\petz <name> rez.dll" exists.
TGameRootFolders FindGameFolders(const TGameRegistry& registry);

} // namespace ballforge
