#include "editors/ui/TframeBitmapView.h"

#include <QLabel>

namespace ballforge {

TframeBitmapView::TframeBitmapView(QWidget* parent) : QScrollArea(parent) {
    Image = new QLabel;
    Image->setAlignment(Qt::AlignCenter);
    setWidget(Image);
    setWidgetResizable(true);
    setAlignment(Qt::AlignCenter);
}

} // namespace ballforge
