#pragma once
// Edits a resource as XML text.
#include "editors/ui/TSourceViewFrame.h"
#include "editors/ui/TframeXMLEditor.h"

namespace ballforge {

class TViewframeXMLEditor : public TSourceViewFrame {
public:
    TViewframeXMLEditor(QWidget* host, tresourcenode* node);
    TFrameKind kind() const override { return TFrameKind::XMLEditor; }
    TSourceEditor* sourceEditor() const override { return panel_; }
    TframeXMLEditor* panel() const { return panel_; }

private:
    TframeXMLEditor* panel_; // owned through the base's editor
};

} // namespace ballforge
