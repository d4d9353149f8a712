#pragma once
// The colour grid: all 256 entries of a game palette as numbered cells, one of them selected.
#include "formats/PetzPalettes.h"

#include <QImage>
#include <QWidget>

namespace ballforge {

/// Draws the palette into a 32-bit picture and shows it; a press selects a cell, and the selected
/// cell's dashed frame marches as the owner advances the animation.
class TPetzColourGrid : public QWidget {
    Q_OBJECT
public:
    explicit TPetzColourGrid(QWidget* parent = nullptr);

    int columns() const { return columns_; }
    void setColumns(int value); ///< 0 or less is stored as 16
    int cellwidth() const { return cellwidth_; }
    void setCellwidth(int value);
    int cellheight() const { return cellheight_; }
    void setCellheight(int value);
    int gap() const { return gap_; }
    void setGap(int value);
    TPFPalType palette() const { return palette_; }
    void setPalette(TPFPalType value);

    int selected() const { return selected_; }
    void setSelected(int index);
    int animation() const { return animation_; }

    /// The top-left corner of cell i.
    QPoint CellOrigin(int index) const;
    /// The cell under a point, or -1.
    int IndexAt(QPoint p) const;
    /// Advances the marching dashes (the dialog's timer calls it).
    void Tick();
    /// The picture as drawn now (the widget shows exactly this).
    const QImage& Picture();

signals:
    void selectionChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Redraw();
    void DrawCell(int index);
    void Invalidate() {
        dirty_ = true;
        update();
    }

    int columns_ = 16, cellwidth_ = 30, cellheight_ = 25, gap_ = 3;
    TPFPalType palette_ = pfpPetz;
    int selected_ = 0;
    int animation_ = 0;
    QImage picture_;
    bool dirty_ = true;
};

} // namespace ballforge
