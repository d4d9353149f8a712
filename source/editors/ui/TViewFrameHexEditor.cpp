#include "editors/ui/TViewFrameHexEditor.h"

#include "editors/ui/THexEdit.h"

namespace ballforge {

TViewFrameHexEditor::TViewFrameHexEditor(QWidget* host, tresourcenode* node)
    : TViewFrame(host, node), panel_(new TframeHexEditor) {
    PlaceEditor(panel_);
}

bool TViewFrameHexEditor::IsModified() {
    return panel_->HexEdit->modified();
}

void TViewFrameHexEditor::LoadFromNode() {
    panel_->HexEdit->setData(node()->data);
    panel_->UpdateStatus();
}

void TViewFrameHexEditor::StoreToNode() {
    node()->data = panel_->HexEdit->data();
    panel_->HexEdit->setModified(false);
}

} // namespace ballforge
