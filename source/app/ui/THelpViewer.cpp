#include "app/ui/THelpViewer.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace ballforge {

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Rar Uvedaro Vediri - Ballforge help"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    auto* home = new QPushButton(QStringLiteral("Contents"), this);
    bar->addWidget(back);
    bar->addWidget(home);
    bar->addStretch();
    layout->addLayout(bar);
    Browser = new QTextBrowser(this);
    Browser->setOpenExternalLinks(true);
    Browser->setSearchPaths({QStringLiteral(":/manual")});
    layout->addWidget(Browser);
    connect(back, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(home, &QPushButton::clicked, this, [this] { ShowPage(QStringLiteral("index.html")); });
    connect(Browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    resize(640, 520);
}

QUrl THelpViewer::PageUrl(const QString& page) {
    return QUrl(QStringLiteral("qrc:/manual/") + page);
}

bool THelpViewer::ManualPresent() {
    return QFile::exists(QStringLiteral(":/manual/index.html"));
}

void THelpViewer::ShowPage(const QString& page) {
    Browser->setSource(PageUrl(page));
}

} // namespace ballforge
