#pragma once
// A hex editor control: offsets, sixteen bytes per row in hexadecimal, and the bytes as characters.
#include <QAbstractScrollArea>

#include <cstdint>
#include <vector>

namespace ballforge {

/// Overwrites bytes by typing hexadecimal digits; changed bytes are drawn maroon on light yellow.
class THexEdit : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int BytesPerRow = 16;

    explicit THexEdit(QWidget* parent = nullptr);

    void setData(std::vector<std::uint8_t> bytes);
    const std::vector<std::uint8_t>& data() const { return data_; }
    int rowCount() const { return static_cast<int>((data_.size() + BytesPerRow - 1) / BytesPerRow); }

    std::size_t cursorPosition() const { return cursor_; }
    void setCursorPosition(std::size_t position);
    /// The start of the selection, or the cursor when nothing is selected.
    std::size_t selectionStart() const { return std::min(anchor_, cursor_); }

    bool modified() const { return modified_; }
    void setModified(bool value) { modified_ = value; }
    bool isChanged(std::size_t position) const { return position < changed_.size() && changed_[position]; }

    /// Types one hexadecimal digit at the cursor, as a key press would.
    bool typeDigit(int digit);

    /// The text of a row as drawn, for tests and copying: "0x00000010  41 42 ...  AB..".
    QString rowText(int row) const;

signals:
    void dataChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateScrollBars();
    void ensureCursorVisible();
    int charWidth() const;
    int lineHeight() const;

    std::vector<std::uint8_t> data_;
    std::vector<bool> changed_;
    std::size_t cursor_ = 0;
    std::size_t anchor_ = 0;
    bool lowNibble_ = false;
    bool modified_ = false;
};

} // namespace ballforge
