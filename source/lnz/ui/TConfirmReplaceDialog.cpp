#include "lnz/ui/TConfirmReplaceDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace ballforge {

TConfirmReplaceDialog::TConfirmReplaceDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Confirm replace"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    lblConfirmation = new QLabel(this);
    layout->addWidget(lblConfirmation);
    auto* buttons = new QHBoxLayout;
    btnReplace = new QPushButton(QStringLiteral("&Yes"), this);
    btnSkip = new QPushButton(QStringLiteral("&No"), this);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnReplaceAll = new QPushButton(QStringLiteral("Yes to &all"), this);
    btnReplace->setDefault(true);
    for (QPushButton* b : {btnReplace, btnSkip, btnCancel, btnReplaceAll})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(btnReplace, &QPushButton::clicked, this, [this] { done(raReplace); });
    connect(btnSkip, &QPushButton::clicked, this, [this] { done(raSkip); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { done(raCancel); });
    connect(btnReplaceAll, &QPushButton::clicked, this, [this] { done(raReplaceAll); });
}

void TConfirmReplaceDialog::Prepare(const QString& searchText, const QRect& match) {
    lblConfirmation->setText(QStringLiteral("Replace this occurence of \"%1\"?").arg(searchText));
    adjustSize();
    // Below the match when it fits on the screen, else above it.
    const QScreen* screen = QGuiApplication::screenAt(match.center());
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
    int y = match.bottom() + 8;
    if (y + height() > area.bottom()) y = match.top() - height() - 8;
    const int x = std::clamp(match.left(), area.left(), std::max(area.left(), area.right() - width()));
    move(x, std::max(area.top(), y));
}

} // namespace ballforge
