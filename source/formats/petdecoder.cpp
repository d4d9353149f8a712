#include "formats/petdecoder.h"

#include "documents/ByteReader.h"
#include "documents/Errors.h"
#include "formats/EDamagedfile.h"

namespace ballforge {

namespace {
constexpr TPartLayout kPetLayout{
    kPetHeaderSize,
    true,
    kPetMarkerA,
    {{{"MISC", kPetMarkerA},
      {"Adult.LNZ", kZeroSeparator},
      {"Child.LNZ", kZeroSeparator},
      {"CLOTHESETC", kPetMarkerA},
      {"Petz info", kPetMarkerA},
      {"Genome", kPetMarkerB},
      {"FamilyTree", kPetMarkerC}}},
    1,
};

constexpr std::size_t kPetNameOffset = 2;
constexpr std::size_t kBreedNameOffset = 258;
} // namespace

TPetDecoder::TPetDecoder() : TPartDecoder(kPetLayout) {}

std::unique_ptr<TOfflineAncestryInfo> ReadFamilyTree(std::span<const std::uint8_t> part) {
    ByteReader in(part);
    in.skip(4);
    auto root = std::make_unique<TOfflineAncestryInfo>();
    root->LoadFromStream(in);
    return root;
}

void TPetDecoder::LoadFromStream(std::span<const std::uint8_t> bytes, bool verify) {
    ancestry.reset();
    TPartDecoder::LoadFromStream(bytes, false);
    // An empty family tree only comes from a missing separator, which the checksums answer for;
    // anything else must read whole.
    if (const TPetNode* tree = FindPart("FamilyTree"); tree && !tree->data.empty()) {
        try {
            ancestry = ReadFamilyTree(tree->data);
        } catch (const EReadError&) {
            throw EDamagedfile();
        }
    }
    if (verify) VerifyChecksums();
}

std::string TPetDecoder::PetName() const {
    const TPetNode* loadInfo = FindPart("LOADINFO");
    if (!loadInfo) throw eerrormessage("Missing LOADINFO!");
    return LoadInfoText(*loadInfo, kPetNameOffset);
}

std::string TPetDecoder::BreedName() const {
    const TPetNode* loadInfo = FindPart("LOADINFO");
    if (!loadInfo) throw eerrormessage("Missing LOADINFO!");
    return LoadInfoText(*loadInfo, kBreedNameOffset);
}

bool TPetDecoder::IsFemale() const {
    const TPetNode* info = FindPart("Petz info");
    if (!info) throw eerrormessage("Missing Petz info!");
    return !info->data.empty() && info->data[0] != 0;
}

std::string TPetDecoder::OwnerName() const {
    return ancestry ? ancestry->owner : std::string();
}

} // namespace ballforge
