#include "formats/TBabyresfile.h"

#include "formats/PartResfileSupport.h"

#include <exception>

namespace ballforge {

void TBabyresfile::Load() {
    root().Clear();
    decoder_.LoadFromFile(fileName(), true);
    tresourcenode& root = this->root();
    tresourcenode* lnz = root.GetOrAddChildByName("LNZ");
    AddPartNode(*lnz, "Child", TFrameKind::LNZSynedit, decoder_, "Child.LNZ");
    AddPartNode(*lnz, "Adult", TFrameKind::LNZSynedit, decoder_, "Adult.LNZ");
    AddPartNode(root, "Picture", TFrameKind::AdoptPicView, decoder_, "Picture");
    AddPartNode(root, "ColourInfo", TFrameKind::EyelidColour, decoder_, "ColourInfo");
    AddPartNode(root, "OwnerInfo", TFrameKind::OwnerInfo, decoder_, "OwnerInfo");
}

bool TBabyresfile::SaveTo(const std::string& fileName) {
    lastError_.clear();
    try {
        TakeLNZFromNodes(root(), decoder_);
        TakePartFromNode(root(), "Picture", decoder_, "Picture");
        TakePartFromNode(root(), "ColourInfo", decoder_, "ColourInfo");
        TakePartFromNode(root(), "OwnerInfo", decoder_, "OwnerInfo");
        EncodeCheckAndWrite(decoder_, fileName);
    } catch (const std::exception& e) {
        lastError_ = e.what();
        return false;
    }
    setFileName(fileName);
    ClearChangedFlags();
    return true;
}

} // namespace ballforge
