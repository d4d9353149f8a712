#include "tools/NewBreed.h"

#include "documents/Errors.h"
#include "sprites/spriteRCDATAunit.h"

#include <stdexcept>

namespace ballforge {

tresourcenode* FindSpriteListLeaf(tresourcenode& root) {
    tresourcenode* type = root.FindChildByID(10);
    tresourcenode* name = type ? type->FindChildByID(1003) : nullptr;
    return name ? name->FindChildByID(1033) : nullptr;
}

tresourcenode* FindBreedStringsLeaf(tresourcenode& root) {
    tresourcenode* type = root.FindChildByID(6);
    tresourcenode* name = type ? type->FindChildByID(63) : nullptr;
    return name ? name->FindChildByID(1033) : nullptr;
}

std::uint32_t BreedIDOfSpriteList(const tresourcenode& spriteList) {
    TSpriteRCdecoder decoder;
    try {
        decoder.LoadFromStream(spriteList.data);
    } catch (const std::exception& e) {
        throw eerrormessage(std::string("The breed's sprite list cannot be read: ") + e.what());
    }
    if (decoder.list.Count() == 0)
        throw eerrormessage("The breed's sprite list has no entries, so it carries no breed ID. Add an entry "
                            "to the sprite list, or save the breed under its old file name.");
    return decoder.list.Item(0).breedID;
}

void SetBreedID(tresourcenode& spriteList, std::uint16_t breedID) {
    TSpriteRCdecoder decoder;
    decoder.LoadFromStream(spriteList.data);
    if (decoder.list.Count() == 0) throw eerrormessage("The breed's sprite list has no entries");
    decoder.list.Item(0).breedID = breedID;
    spriteList.data = decoder.SaveToBytes();
}

void SetBreedName(tresourcenode& breedStrings, const std::string& name) {
    TStringtabledecoder table(63);
    table.LoadFromStream(breedStrings.data);
    table.SetString(1001, name);
    breedStrings.data = table.SaveToBytes();
}

std::string BreedNameFromFileName(const std::string& fileName) {
    // Windows separators count too: names typed on Windows reach us unchanged.
    std::string base = fileName;
    if (auto slash = base.find_last_of("/\\"); slash != std::string::npos) base = base.substr(slash + 1);
    if (auto dot = base.rfind('.'); dot != std::string::npos && dot > 0) base.resize(dot);
    return base;
}

} // namespace ballforge
