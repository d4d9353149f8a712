#pragma once
// Edits a resource as INI-style text.
#include "editors/ui/TSourceViewFrame.h"
#include "editors/ui/TframeIniEditor.h"

namespace ballforge {

class TViewframeIniEditor : public TSourceViewFrame {
public:
    TViewframeIniEditor(QWidget* host, tresourcenode* node);
    TFrameKind kind() const override { return TFrameKind::IniEditor; }
    TSourceEditor* sourceEditor() const override { return panel_; }
    TframeIniEditor* panel() const { return panel_; }

private:
    TframeIniEditor* panel_; // owned through the base's editor
};

} // namespace ballforge
