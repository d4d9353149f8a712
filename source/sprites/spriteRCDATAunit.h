#pragma once
// Sprite lists and string tables: the breed ID, the breed's name and its folder name.
#include "sprites/BreedID.h"
#include "sprites/TSpriteList.h"
#include "sprites/TSpriteRC.h"
#include "sprites/TSpriteRCdecoder.h"
#include "sprites/TStringtabledecoder.h"

namespace ballforge {

/// Where a breed keeps its sprite list and its strings.
constexpr int SpriteListResourceType = 10; // raw data
constexpr int SpriteListResourceName = 1003;
constexpr int BreedStringsResourceType = 6; // string table
constexpr int BreedStringsTable = 63;
constexpr int BreedResourceLanguage = 1033;
constexpr int BreedNameStringID = 1001;
constexpr int BreedFolderStringID = 1002;

} // namespace ballforge
