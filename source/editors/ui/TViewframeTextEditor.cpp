#include "editors/ui/TViewframeTextEditor.h"

namespace ballforge {

TViewframeTextEditor::TViewframeTextEditor(QWidget* host, tresourcenode* node)
    : TSourceViewFrame(host, node), panel_(new TframeTextEditor) {
    PlaceEditor(panel_);
}

} // namespace ballforge
