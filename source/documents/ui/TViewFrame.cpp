#include "documents/ui/TViewFrame.h"

#include <QLayout>
#include <QVBoxLayout>

namespace ballforge {

TViewFrame::TViewFrame(QWidget* host, tresourcenode* node) : host_(host), node_(node) {}

TViewFrame::~TViewFrame() {
    delete editor_.data();
}

void TViewFrame::PlaceEditor(QWidget* panel) {
    delete editor_.data();
    editor_ = panel;
    if (!host_) return;
    QLayout* layout = host_->layout();
    if (!layout) {
        layout = new QVBoxLayout(host_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    panel->setParent(host_);
    layout->addWidget(panel);
    panel->show();
}

} // namespace ballforge
