#pragma once
// Edits a resource byte by byte; the frame of every resource that no other editor takes.
#include "documents/ui/TViewFrame.h"
#include "editors/ui/TframeHexEditor.h"

namespace ballforge {

class TViewFrameHexEditor : public TViewFrame {
public:
    TViewFrameHexEditor(QWidget* host, tresourcenode* node);
    bool IsModified() override;
    void LoadFromNode() override;
    void StoreToNode() override;
    TFrameKind kind() const override { return TFrameKind::HexEditor; }
    TframeHexEditor* panel() const { return panel_; }

private:
    TframeHexEditor* panel_; // owned through the base's editor
};

} // namespace ballforge
