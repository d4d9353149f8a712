#pragma once
// The two values that make a copy of a breed a breed of its own: the breed ID and the breed's name.
#include "documents/tresourcenode.h"

#include <cstdint>
#include <string>

namespace ballforge {

/// Where the values live in a breed: the sprite list at raw data 1003 and the breed strings in
/// string table 63, both in language 1033.
tresourcenode* FindSpriteListLeaf(tresourcenode& root);
tresourcenode* FindBreedStringsLeaf(tresourcenode& root);

/// The breed ID of the sprite list's first entry. Raises eerrormessage when the list has no
/// entries or cannot be read.
std::uint32_t BreedIDOfSpriteList(const tresourcenode& spriteList);

/// Sets entry 0's breed ID and rewrites the list into the leaf.
void SetBreedID(tresourcenode& spriteList, std::uint16_t breedID);

/// Sets string 1001 (the breed's name) of table 63 and rewrites the table into the leaf.
/// Raises on a table that cannot be read or written.
void SetBreedName(tresourcenode& breedStrings, const std::string& name);

/// The file name without folder and extension ("C:\Breeds\Rex2.dog" gives "Rex2").
std::string BreedNameFromFileName(const std::string& fileName);

} // namespace ballforge
