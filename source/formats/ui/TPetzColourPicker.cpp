#include "formats/ui/TPetzColourPicker.h"

#include "formats/ui/PetzColourRules.h"
#include "formats/ui/TfrmColourPicker.h"

#include <QEvent>
#include <QPainter>
#include <QPolygon>

namespace ballforge {

TPetzColourPicker::TPetzColourPicker(QWidget* parent) : QWidget(parent) {
    resize(50, 33);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void TPetzColourPicker::setPalette(TPFPalType value) {
    palette_ = value;
    update();
}

void TPetzColourPicker::setValue(int value) {
    value_ = value >= 0 && value <= 255 ? value : -1;
    update();
}

QImage TPetzColourPicker::Picture() const {
    QImage image(size(), QImage::Format_ARGB32);
    Draw(image);
    return image;
}

void TPetzColourPicker::Draw(QImage& image) const {
    const bool enabled = isEnabled();
    const int w = image.width(), h = image.height();
    const QColor background = ShownColour(
        value_ < 0 ? QColor(255, 255, 255) : PaletteEntryColour(PaletteColours(palette_), value_), enabled);
    image.fill(background);
    QPainter p(&image);
    if (value_ < 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(ShownColour(QColor(255, 0, 0), enabled));
        p.drawPolygon(QPolygon({QPoint(0, 0), QPoint(w, h - 6), QPoint(w, h), QPoint(0, 6)}));
    } else {
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(12);
        p.setFont(font);
        p.setPen(TextColourOn(background));
        p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, QString::number(value_));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(0, 0, 0, 100));
    p.drawRect(0, 0, w - 1, h - 1);
    if (hasFocus() && enabled) {
        QPen dashes(QColor(0x7F, 0x7F, 0x7F));
        dashes.setStyle(Qt::DotLine);
        p.setPen(dashes);
        p.drawRect(3, 3, w - 7, h - 7);
    }
}

void TPetzColourPicker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, Picture());
}

void TPetzColourPicker::mousePressEvent(QMouseEvent*) {
    int index = value_;
    if (PickPetzColour(index, allowNone_, false, palette_)) {
        setValue(index);
        emit onChange();
    }
}

void TPetzColourPicker::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TPetzColourPicker::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TPetzColourPicker::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) update();
    QWidget::changeEvent(event);
}

} // namespace ballforge
