#pragma once
// Edits LNZ text: the LNZ resources of breeds, the LNZ parts of pets and babies, .lnz files.
#include "editors/ui/TSourceViewFrame.h"
#include "lnz/ui/TframeLNZSynedit.h"

namespace ballforge {

class TViewframeLNZSynedit : public TSourceViewFrame {
public:
    /// Creates the editor panel in the host, then its help window.
    TViewframeLNZSynedit(QWidget* host, tresourcenode* node);
    TFrameKind kind() const override { return TFrameKind::LNZSynedit; }
    TSourceEditor* sourceEditor() const override { return panel_->SynEdit1; }
    TframeLNZSynedit* panel() const { return panel_; }

private:
    TframeLNZSynedit* panel_; // owned through the base's editor
};

} // namespace ballforge
