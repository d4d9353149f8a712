#include "formats/TPetresfile.h"

#include "formats/PartResfileSupport.h"

#include <exception>

namespace ballforge {

void TPetresfile::Load() {
    root().Clear();
    decoder_.LoadFromFile(fileName(), true);
    tresourcenode& root = this->root();
    tresourcenode* lnz = root.GetOrAddChildByName("LNZ");
    AddPartNode(*lnz, "Child", TFrameKind::LNZSynedit, decoder_, "Child.LNZ");
    AddPartNode(*lnz, "Adult", TFrameKind::LNZSynedit, decoder_, "Adult.LNZ");
    AddPartNode(root, "Petz info", TFrameKind::PetzInfoEdit, decoder_, "Petz info");
    AddPartNode(root, "Genome", TFrameKind::GenomeEditor, decoder_, "Genome");
    AddPartNode(root, "Picture", TFrameKind::AdoptPicView, decoder_, "Picture");
    AddPartNode(root, "Ancestry", TFrameKind::Ancestry, decoder_, "FamilyTree");
}

bool TPetresfile::SaveTo(const std::string& fileName) {
    lastError_.clear();
    try {
        TakeLNZFromNodes(root(), decoder_);
        TakePartFromNode(root(), "Genome", decoder_, "Genome");
        TakePartFromNode(root(), "Petz info", decoder_, "Petz info");
        TakePartFromNode(root(), "Picture", decoder_, "Picture");
        // "Ancestry" is only shown: the family tree is written as it was loaded.
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
