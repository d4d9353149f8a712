#include "editors/ui/TViewframeIniEditor.h"

namespace ballforge {

TViewframeIniEditor::TViewframeIniEditor(QWidget* host, tresourcenode* node)
    : TSourceViewFrame(host, node), panel_(new TframeIniEditor) {
    PlaceEditor(panel_);
}

} // namespace ballforge
