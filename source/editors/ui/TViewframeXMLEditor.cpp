#include "editors/ui/TViewframeXMLEditor.h"

namespace ballforge {

TViewframeXMLEditor::TViewframeXMLEditor(QWidget* host, tresourcenode* node)
    : TSourceViewFrame(host, node), panel_(new TframeXMLEditor) {
    PlaceEditor(panel_);
}

} // namespace ballforge
