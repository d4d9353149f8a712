#include "lnz/ui/TfrmBallNumber.h"

#include "lnz/petzcommon.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <span>

namespace ballforge {

static QListWidget* BallList(std::span<const std::string_view> names, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::size_t n = 0; n < names.size(); ++n)
        list->addItem(QString::number(n) + QStringLiteral(" - ") +
                      QString::fromLatin1(names[n].data(), qsizetype(names[n].size())));
    return list;
}

TfrmBallNumber::TfrmBallNumber(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Ball number picker"));
    setFixedSize(246, 441);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    lstDogz = BallList(DogzBallNames, PageControl1);
    lstCatz = BallList(CatzBallNames, PageControl1);
    lstBabyz = BallList(BabyzBallNames, PageControl1);
    PageControl1->addTab(lstDogz, QStringLiteral("Dogz"));
    PageControl1->addTab(lstCatz, QStringLiteral("Catz"));
    PageControl1->addTab(lstBabyz, QStringLiteral("Babyz"));
    PageControl1->setCurrentIndex(0);
    layout->addWidget(PageControl1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnOk = new QPushButton(QStringLiteral("Ok"), this);
    btnOk->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);

    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { UpdateOkbutton(); });
    for (QListWidget* list : {lstDogz, lstCatz, lstBabyz}) {
        connect(list, &QListWidget::itemSelectionChanged, this, [this] { UpdateOkbutton(); });
        connect(list, &QListWidget::itemDoubleClicked, this, [this] { btnOkClick(); });
    }
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    UpdateOkbutton();
}

QListWidget* TfrmBallNumber::ActiveList() const {
    return qobject_cast<QListWidget*>(PageControl1->currentWidget());
}

void TfrmBallNumber::UpdateOkbutton() {
    const QListWidget* list = ActiveList();
    btnOk->setEnabled(list && list->currentRow() >= 0 && !list->selectedItems().isEmpty());
}

void TfrmBallNumber::btnOkClick() {
    const QListWidget* list = ActiveList();
    if (!list || list->currentRow() < 0 || list->selectedItems().isEmpty()) return;
    BallNumber = list->row(list->selectedItems().first());
    accept();
}

void TfrmBallNumber::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    UpdateOkbutton();
}

TfrmBallNumber& frmBallNumber() {
    static QPointer<TfrmBallNumber> instance;
    if (!instance) {
        instance = new TfrmBallNumber;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, instance.data(), &QObject::deleteLater);
    }
    return *instance;
}

} // namespace ballforge
