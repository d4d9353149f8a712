#include "formats/ui/TPetzColourGrid.h"

#include "formats/ui/PetzColourRules.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace ballforge {

namespace {
constexpr int DashLength = 2;
}

TPetzColourGrid::TPetzColourGrid(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPetzColourGrid::setColumns(int value) {
    columns_ = value <= 0 ? 16 : value;
    Invalidate();
}
void TPetzColourGrid::setCellwidth(int value) {
    cellwidth_ = value;
    Invalidate();
}
void TPetzColourGrid::setCellheight(int value) {
    cellheight_ = value;
    Invalidate();
}
void TPetzColourGrid::setGap(int value) {
    gap_ = value;
    Invalidate();
}
void TPetzColourGrid::setPalette(TPFPalType value) {
    palette_ = value;
    Invalidate();
}

void TPetzColourGrid::setSelected(int index) {
    if (index == selected_) return;
    const int old = selected_;
    selected_ = index;
    if (!dirty_ && !picture_.isNull()) {
        if (old >= 0 && old <= 255) DrawCell(old);
        if (index >= 0 && index <= 255) DrawCell(index);
    }
    update();
    emit selectionChanged(index);
}

QPoint TPetzColourGrid::CellOrigin(int index) const {
    return {(index % columns_) * (cellwidth_ + gap_) + 1, (index / columns_) * (cellheight_ + gap_) + 1};
}

int TPetzColourGrid::IndexAt(QPoint p) const {
    const int index = (p.x() - 1) / (cellwidth_ + gap_) + ((p.y() - 1) / (cellheight_ + gap_)) * columns_;
    return index >= 0 && index <= 255 ? index : -1;
}

void TPetzColourGrid::Tick() {
    if (!isEnabled() || selected_ < 0 || selected_ > 255) return;
    ++animation_;
    if (!dirty_ && !picture_.isNull()) DrawCell(selected_);
    update();
}

const QImage& TPetzColourGrid::Picture() {
    if (dirty_ || picture_.size() != size()) Redraw();
    return picture_;
}

void TPetzColourGrid::Redraw() {
    picture_ = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_ARGB32);
    picture_.fill(QColor(0, 0, 0));
    for (int i = 0; i < 256; ++i)
        DrawCell(i);
    dirty_ = false;
}

void TPetzColourGrid::DrawCell(int index) {
    const QPoint o = CellOrigin(index);
    const int x = o.x(), y = o.y(), w = cellwidth_, h = cellheight_;
    const QColor colour = ShownColour(PaletteEntryColour(PaletteColours(palette_), index), isEnabled());
    const QColor ink = TextColourOn(colour);
    const QRect clip = picture_.rect();
    auto put = [&](int px, int py, const QColor& c) {
        if (clip.contains(px, py)) picture_.setPixelColor(px, py, c);
    };
    // The polygon (x, y), (x + w - 3, y), (x + w, y + 3), (x + w, y + h), (x, y + h): its right edge
    // runs along the cut corner for the first three rows.
    auto rightEdge = [&](int row) { return row < 3 ? x + w - 3 + row : x + w; };
    static constexpr int lighten[4] = {20, 15, 10, 5};
    for (int row = 0; row <= h; ++row) {
        QColor fill = colour;
        if (row < 4)
            fill = QColor(std::min(255, colour.red() + lighten[row]),
                          std::min(255, colour.green() + lighten[row]),
                          std::min(255, colour.blue() + lighten[row]));
        for (int px = x; px <= rightEdge(row); ++px)
            put(px, y + row, fill);
    }
    const QColor white(255, 255, 255);
    for (int px = x; px <= x + w - 3; ++px)
        put(px, y, white);
    for (int k = 0; k <= 3; ++k)
        put(x + w - 3 + k, y + k, white);
    for (int py = y + 3; py <= y + h; ++py)
        put(x + w, py, white);
    for (int px = x; px <= x + w; ++px)
        put(px, y + h, white);
    for (int py = y; py <= y + h; ++py)
        put(x, py, white);

    QPainter painter(&picture_);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QRect(x + 1, y + 1, w - 1, h - 1), Qt::AlignCenter, QString::number(index));
    painter.end();

    if (index == selected_) {
        // A dashed frame whose pattern starts at the animation counter, so that the dashes march.
        const int left = x + 2, top = y + 2, right = x + w - 1, bottom = y + h - 1;
        int step = animation_;
        auto dash = [&](int px, int py) {
            if ((step++ / DashLength) % 2 == 0) put(px, py, ink);
        };
        for (int px = left; px < right; ++px)
            dash(px, top);
        for (int py = top; py < bottom; ++py)
            dash(right, py);
        for (int px = right; px > left; --px)
            dash(px, bottom);
        for (int py = bottom; py > top; --py)
            dash(left, py);
    }
}

void TPetzColourGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, Picture());
}

void TPetzColourGrid::mousePressEvent(QMouseEvent* event) {
    const int index = IndexAt(event->position().toPoint());
    if (index >= 0) setSelected(index);
}

void TPetzColourGrid::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) Invalidate();
    QWidget::changeEvent(event);
}

void TPetzColourGrid::resizeEvent(QResizeEvent* event) {
    Invalidate();
    QWidget::resizeEvent(event);
}

} // namespace ballforge
