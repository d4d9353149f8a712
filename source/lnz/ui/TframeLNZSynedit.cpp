#include "lnz/ui/TframeLNZSynedit.h"

#include "editors/ui/TSourceEditor.h"

#include <QVBoxLayout>

namespace ballforge {

TframeLNZSynedit::TframeLNZSynedit(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    SynEdit1 = new TSourceEditor(this);
    SynEdit1->setObjectName(QStringLiteral("SynEdit1"));
    QFont gutter(QStringLiteral("Terminal"));
    gutter.setStyleHint(QFont::Monospace);
    gutter.setPixelSize(11);
    SynEdit1->setGutterFont(gutter);
    layout->addWidget(SynEdit1);
}

} // namespace ballforge
