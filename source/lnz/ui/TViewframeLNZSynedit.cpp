#include "lnz/ui/TViewframeLNZSynedit.h"

namespace ballforge {

TViewframeLNZSynedit::TViewframeLNZSynedit(QWidget* host, tresourcenode* node)
    : TSourceViewFrame(host, node), panel_(new TframeLNZSynedit) {
    PlaceEditor(panel_);
    panel_->SetupHelpWindow();
}

} // namespace ballforge
