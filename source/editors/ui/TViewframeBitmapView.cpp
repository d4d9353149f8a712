#include "editors/ui/TViewframeBitmapView.h"

#include "editors/DIBFile.h"

#include <QLabel>
#include <QPixmap>

namespace ballforge {

TViewframeBitmapView::TViewframeBitmapView(QWidget* host, tresourcenode* node)
    : TViewFrame(host, node), panel_(new TframeBitmapView) {
    PlaceEditor(panel_);
}

void TViewframeBitmapView::LoadFromNode() {
    // Numeric bitmap resources come without the file header; BitmapFileFromData puts one in front.
    const auto file = BitmapFileFromData(node()->data);
    image_ = QImage();
    if (!file.empty())
        image_.loadFromData(reinterpret_cast<const uchar*>(file.data()), static_cast<int>(file.size()),
                            "BMP");
    if (image_.isNull())
        panel_->Image->clear();
    else
        panel_->Image->setPixmap(QPixmap::fromImage(image_));
}

} // namespace ballforge
