#pragma once
// Shows a bitmap resource; shows nothing, and says nothing, when the data is not a bitmap.
#include "documents/ui/TViewFrame.h"
#include "editors/ui/TframeBitmapView.h"

#include <QImage>

namespace ballforge {

class TViewframeBitmapView : public TViewFrame {
public:
    TViewframeBitmapView(QWidget* host, tresourcenode* node);
    bool IsModified() override { return false; }
    void LoadFromNode() override;
    TFrameKind kind() const override { return TFrameKind::BitmapView; }
    TframeBitmapView* panel() const { return panel_; }
    /// The picture shown; null when the data could not be read.
    const QImage& image() const { return image_; }

private:
    TframeBitmapView* panel_; // owned through the base's editor
    QImage image_;
};

} // namespace ballforge
