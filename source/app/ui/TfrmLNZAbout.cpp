#include "app/ui/TfrmLNZAbout.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace ballforge {

namespace {
// Where users reach the maker; the links open with the system's own programs.
const char* const kMakerMail = "ballforge@quillbrook.invalid";
const char* const kMakerWeb = "https://quillbrook.invalid/ballforge";

QPixmap AboutPicture() {
    QPixmap picture(350, 120);
    QPainter p(&picture);
    QLinearGradient sky(0, 0, 0, 120);
    sky.setColorAt(0, QColor(0x2b, 0x4f, 0x9e));
    sky.setColorAt(1, QColor(0x9c, 0xc3, 0xf0));
    p.fillRect(picture.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    // A few balls, the stuff the games' pets are made of.
    const struct {
        int x, y, r;
        QColor c;
    } balls[] = {{40, 70, 28, QColor(0xf2, 0xb1, 0x4c)},
                 {78, 46, 18, QColor(0xe8, 0x6a, 0x5b)},
                 {92, 84, 14, QColor(0xf7, 0xe0, 0x9b)},
                 {300, 60, 34, QColor(0x7c, 0xc5, 0x76)},
                 {262, 90, 12, QColor(0xff, 0xff, 0xff)}};
    for (const auto& b : balls) {
        QRadialGradient g(b.x - b.r / 3, b.y - b.r / 3, b.r * 1.4);
        g.setColorAt(0, b.c.lighter(150));
        g.setColorAt(1, b.c.darker(130));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(b.x, b.y), b.r, b.r);
    }
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(36);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Ballforge"));
    return picture;
}

QLabel* LinkLabel(const QString& text, const QString& target, QWidget* parent) {
    auto* label =
        new QLabel(QStringLiteral("<a href=\"%1\" style=\"color:blue\">%2</a>").arg(target, text), parent);
    label->setOpenExternalLinks(true);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}
} // namespace

TfrmLNZAbout::TfrmLNZAbout(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About"));
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(AboutPicture());
    layout->addWidget(picture);
    QStringList parts = QApplication::applicationVersion().split('.');
    while (parts.size() < 3)
        parts << QStringLiteral("0");
    const QString version = QStringLiteral("V%1.%2.%3").arg(parts[0], parts[1], parts[2]);
    lblProgram = new QLabel(
        QStringLiteral("<b>%1</b>")
            .arg(QStringLiteral("Ballforge %s, the Petz file editor").replace(QStringLiteral("%s"), version)),
        this);
    layout->addWidget(lblProgram);
    auto* producedRow = new QHBoxLayout;
    producedRow->addWidget(new QLabel(QStringLiteral("<b>Produced by</b>"), this));
    lblMail = LinkLabel(QStringLiteral("Quillbrook Software"), QStringLiteral("mailto:") + kMakerMail, this);
    producedRow->addWidget(lblMail);
    producedRow->addStretch();
    layout->addLayout(producedRow);
    auto* visitRow = new QHBoxLayout;
    visitRow->addWidget(new QLabel(QStringLiteral("<b>Visit</b>"), this));
    lblWeb = LinkLabel(QString::fromLatin1(kMakerWeb), QString::fromLatin1(kMakerWeb), this);
    visitRow->addWidget(lblWeb);
    visitRow->addStretch();
    layout->addLayout(visitRow);
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(ok);
    layout->addLayout(okRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace ballforge
