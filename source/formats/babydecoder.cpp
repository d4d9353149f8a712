#include "formats/babydecoder.h"

namespace ballforge {

namespace {
constexpr TPartLayout kBabyLayout{
    kBabyHeaderSize,
    false,
    kBabyMarker1,
    {{{"ColourInfo", kBabyMarker1},
      {"Adult.LNZ", kZeroSeparator},
      {"Child.LNZ", kZeroSeparator},
      {"CLOTHESETC", kBabyMarker1},
      {"BLOCK1", kBabyMarker1},
      {"Genome", kBabyMarker3},
      {"OwnerInfo", kBabyMarker2}}},
    1,
};
} // namespace

TBabyDecoder::TBabyDecoder() : TPartDecoder(kBabyLayout) {}

void TBabyDecoder::ListFiles(int, std::vector<TPFSFile>& list) {
    list.push_back({"adult.lnz", 0});
    list.push_back({"child.lnz", 0});
    list.push_back({"OwnerInfo", 0});
}

TPartNode* TBabyDecoder::PFSPart(const std::string& name) const {
    if (TPartNode* lnz = TPartDecoder::PFSPart(name)) return lnz;
    return FindPart(StripPFSName(name));
}

} // namespace ballforge
