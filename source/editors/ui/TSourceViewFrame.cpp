#include "editors/ui/TSourceViewFrame.h"

namespace ballforge {

bool TSourceViewFrame::IsModified() {
    return sourceEditor()->modifiedMark();
}

void TSourceViewFrame::LoadFromNode() {
    sourceEditor()->LoadBytes(node()->data);
}

void TSourceViewFrame::StoreToNode() {
    node()->data = sourceEditor()->StoreBytes();
}

} // namespace ballforge
