#pragma once
// The panel of the bitmap view: the picture centred and unscaled.
#include <QScrollArea>

class QLabel;

namespace ballforge {

class TframeBitmapView : public QScrollArea {
    Q_OBJECT
public:
    explicit TframeBitmapView(QWidget* parent = nullptr);
    QLabel* Image = nullptr;
};

} // namespace ballforge
