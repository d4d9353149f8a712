#pragma once
// Edits a resource as plain text.
#include "editors/ui/TSourceViewFrame.h"
#include "editors/ui/TframeTextEditor.h"

namespace ballforge {

class TViewframeTextEditor : public TSourceViewFrame {
public:
    TViewframeTextEditor(QWidget* host, tresourcenode* node);
    TFrameKind kind() const override { return TFrameKind::TextEditor; }
    TSourceEditor* sourceEditor() const override { return panel_; }
    TframeTextEditor* panel() const { return panel_; }

private:
    TframeTextEditor* panel_; // owned through the base's editor
};

} // namespace ballforge
