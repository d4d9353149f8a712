#include "editors/ui/TframeHexEditor.h"

#include "editors/ui/THexEdit.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace ballforge {

TframeHexEditor::TframeHexEditor(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    HexEdit = new THexEdit(this);
    StatusBar = new QLabel(this);
    StatusBar->setFrameShape(QFrame::StyledPanel);
    StatusBar->setContentsMargins(4, 1, 4, 1);
    layout->addWidget(HexEdit, 1);
    layout->addWidget(StatusBar);
    StatusTimer = new QTimer(this);
    StatusTimer->setInterval(300);
    connect(StatusTimer, &QTimer::timeout, this, &TframeHexEditor::UpdateStatus);
    StatusTimer->start();
    UpdateStatus();
}

void TframeHexEditor::UpdateStatus() {
    StatusBar->setText(
        QStringLiteral("Position: %1").arg(static_cast<qulonglong>(HexEdit->selectionStart())));
}

} // namespace ballforge
