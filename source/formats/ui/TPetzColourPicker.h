#pragma once
// A small colour swatch that shows one palette index and opens the colour picker when pressed.
#include "formats/PetzPalettes.h"

#include <QImage>
#include <QWidget>

namespace ballforge {

/// Shows a palette index, or a red band for "no colour" (-1); a press lets the user pick another.
class TPetzColourPicker : public QWidget {
    Q_OBJECT
public:
    explicit TPetzColourPicker(QWidget* parent = nullptr);

    bool allowNone() const { return allowNone_; }
    void setAllowNone(bool value) { allowNone_ = value; }
    TPFPalType palette() const { return palette_; }
    void setPalette(TPFPalType value);
    int value() const { return value_; }
    /// Anything outside 0 to 255 means no colour and is stored as -1.
    void setValue(int value);

    /// The picture as drawn now.
    QImage Picture() const;

signals:
    /// The user picked a colour.
    void onChange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Draw(QImage& image) const;

    bool allowNone_ = true;
    TPFPalType palette_ = pfpPetz;
    int value_ = -1;
};

} // namespace ballforge
