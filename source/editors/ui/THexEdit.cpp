#include "editors/ui/THexEdit.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace ballforge {

namespace {
const QColor kChangedText(0x80, 0x00, 0x00);
const QColor kChangedBack(0xFF, 0xFF, 0xE0);
constexpr int kOffsetChars = 10; // "0x" and eight digits
constexpr int kGap = 2;

QChar ShownChar(std::uint8_t b) {
    // Control characters have no picture of their own.
    return b < 0x20 || (b >= 0x7F && b < 0xA0) ? QChar('.') : QChar::fromLatin1(static_cast<char>(b));
}
} // namespace

THexEdit::THexEdit(QWidget* parent) : QAbstractScrollArea(parent) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(13);
    setFont(font);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
}

int THexEdit::charWidth() const {
    return fontMetrics().horizontalAdvance(QLatin1Char('0'));
}
int THexEdit::lineHeight() const {
    return fontMetrics().height();
}

void THexEdit::setData(std::vector<std::uint8_t> bytes) {
    data_ = std::move(bytes);
    changed_.assign(data_.size(), false);
    cursor_ = anchor_ = 0;
    lowNibble_ = false;
    modified_ = false;
    updateScrollBars();
    viewport()->update();
}

void THexEdit::setCursorPosition(std::size_t position) {
    cursor_ = anchor_ = data_.empty() ? 0 : std::min(position, data_.size() - 1);
    lowNibble_ = false;
    ensureCursorVisible();
    viewport()->update();
}

bool THexEdit::typeDigit(int digit) {
    if (digit < 0 || digit > 15 || cursor_ >= data_.size()) return false;
    std::uint8_t& b = data_[cursor_];
    const std::uint8_t old = b;
    b = lowNibble_ ? static_cast<std::uint8_t>((b & 0xF0) | digit)
                   : static_cast<std::uint8_t>((b & 0x0F) | (digit << 4));
    if (b != old) changed_[cursor_] = true;
    modified_ = true;
    if (lowNibble_) {
        lowNibble_ = false;
        if (cursor_ + 1 < data_.size()) ++cursor_;
        anchor_ = cursor_;
    } else {
        lowNibble_ = true;
    }
    ensureCursorVisible();
    viewport()->update();
    emit dataChanged();
    return true;
}

QString THexEdit::rowText(int row) const {
    const std::size_t start = static_cast<std::size_t>(row) * BytesPerRow;
    QString text =
        QStringLiteral("0x%1").arg(static_cast<qulonglong>(start), 8, 16, QLatin1Char('0')).toUpper();
    text.replace(0, 2, QStringLiteral("0x"));
    text += QStringLiteral("  ");
    QString chars;
    for (int i = 0; i < BytesPerRow; ++i) {
        const std::size_t at = start + static_cast<std::size_t>(i);
        if (at < data_.size()) {
            text += QStringLiteral("%1 ").arg(data_[at], 2, 16, QLatin1Char('0')).toUpper();
            chars += ShownChar(data_[at]);
        } else {
            text += QStringLiteral("   ");
        }
    }
    return text + QStringLiteral(" ") + chars;
}

void THexEdit::updateScrollBars() {
    const int visibleRows = std::max(1, viewport()->height() / std::max(1, lineHeight()));
    verticalScrollBar()->setRange(0, std::max(0, rowCount() - visibleRows));
    verticalScrollBar()->setPageStep(visibleRows);
    const int width = (kOffsetChars + kGap + BytesPerRow * 3 + kGap + BytesPerRow) * charWidth();
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void THexEdit::ensureCursorVisible() {
    const int row = static_cast<int>(cursor_ / BytesPerRow);
    const int visibleRows = std::max(1, viewport()->height() / std::max(1, lineHeight()));
    QScrollBar* bar = verticalScrollBar();
    if (row < bar->value()) bar->setValue(row);
    if (row >= bar->value() + visibleRows) bar->setValue(row - visibleRows + 1);
}

void THexEdit::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void THexEdit::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const int cw = charWidth();
    const int lh = lineHeight();
    const int ascent = fontMetrics().ascent();
    const int first = verticalScrollBar()->value();
    const int dx = -horizontalScrollBar()->value();
    const int hexX = dx + (kOffsetChars + kGap) * cw;
    const int charX = hexX + (BytesPerRow * 3 + kGap) * cw;
    const QColor text = palette().color(QPalette::Text);
    const QColor offsetColour = palette().color(QPalette::PlaceholderText);
    for (int row = first, y = 0; row < rowCount() && y < viewport()->height(); ++row, y += lh) {
        const std::size_t start = static_cast<std::size_t>(row) * BytesPerRow;
        p.setPen(offsetColour);
        p.drawText(
            dx, y + ascent,
            QStringLiteral("0x") +
                QStringLiteral("%1").arg(static_cast<qulonglong>(start), 8, 16, QLatin1Char('0')).toUpper());
        for (int i = 0; i < BytesPerRow; ++i) {
            const std::size_t at = start + static_cast<std::size_t>(i);
            if (at >= data_.size()) break;
            const QRect hexCell(hexX + i * 3 * cw, y, 2 * cw, lh);
            const QRect charCell(charX + i * cw, y, cw, lh);
            const bool changed = changed_[at];
            if (at == cursor_) {
                p.fillRect(hexCell, palette().color(QPalette::Highlight));
                p.fillRect(charCell, palette().color(QPalette::Highlight));
            } else if (changed) {
                p.fillRect(hexCell, kChangedBack);
                p.fillRect(charCell, kChangedBack);
            }
            p.setPen(at == cursor_ ? palette().color(QPalette::HighlightedText)
                     : changed     ? kChangedText
                                   : text);
            p.drawText(hexCell.x(), y + ascent,
                       QStringLiteral("%1").arg(data_[at], 2, 16, QLatin1Char('0')).toUpper());
            p.drawText(charCell.x(), y + ascent, QString(ShownChar(data_[at])));
        }
    }
}

void THexEdit::keyPressEvent(QKeyEvent* event) {
    if (data_.empty()) return QAbstractScrollArea::keyPressEvent(event);
    const std::size_t last = data_.size() - 1;
    const int visibleRows = std::max(1, viewport()->height() / std::max(1, lineHeight()));
    auto move = [&](long long delta) {
        long long target = static_cast<long long>(cursor_) + delta;
        target = std::clamp<long long>(target, 0, static_cast<long long>(last));
        setCursorPosition(static_cast<std::size_t>(target));
    };
    switch (event->key()) {
    case Qt::Key_Left:
        move(-1);
        return;
    case Qt::Key_Right:
        move(1);
        return;
    case Qt::Key_Up:
        move(-BytesPerRow);
        return;
    case Qt::Key_Down:
        move(BytesPerRow);
        return;
    case Qt::Key_PageUp:
        move(-static_cast<long long>(BytesPerRow) * visibleRows);
        return;
    case Qt::Key_PageDown:
        move(static_cast<long long>(BytesPerRow) * visibleRows);
        return;
    case Qt::Key_Home:
        setCursorPosition(event->modifiers() & Qt::ControlModifier ? 0 : cursor_ - cursor_ % BytesPerRow);
        return;
    case Qt::Key_End:
        setCursorPosition(event->modifiers() & Qt::ControlModifier
                              ? last
                              : cursor_ - cursor_ % BytesPerRow + BytesPerRow - 1);
        return;
    default:
        break;
    }
    const QString t = event->text();
    if (t.size() == 1) {
        bool ok = false;
        const int digit = QString(t[0]).toInt(&ok, 16);
        if (ok && typeDigit(digit)) return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void THexEdit::mousePressEvent(QMouseEvent* event) {
    const int cw = charWidth();
    const int row =
        verticalScrollBar()->value() + static_cast<int>(event->position().y()) / std::max(1, lineHeight());
    const int x = static_cast<int>(event->position().x()) + horizontalScrollBar()->value();
    const int hexX = (kOffsetChars + kGap) * cw;
    const int charX = hexX + (BytesPerRow * 3 + kGap) * cw;
    int column = -1;
    if (x >= hexX && x < hexX + BytesPerRow * 3 * cw)
        column = (x - hexX) / (3 * cw);
    else if (x >= charX && x < charX + BytesPerRow * cw)
        column = (x - charX) / cw;
    if (column >= 0)
        setCursorPosition(static_cast<std::size_t>(row) * BytesPerRow + static_cast<std::size_t>(column));
    setFocus();
}

} // namespace ballforge
