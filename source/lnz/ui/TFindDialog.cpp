#include "lnz/ui/TFindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ballforge {

TFindDialog::TFindDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Find"));
    setModal(false);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    grid_ = new QGridLayout(this);
    grid_->addWidget(new QLabel(QStringLiteral("Fi&nd what:"), this), 0, 0);
    edtFind = new QLineEdit(this);
    grid_->addWidget(edtFind, 0, 1);
    cbWholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    cbMatchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    grid_->addWidget(cbWholeWord, 2, 0, 1, 2);
    grid_->addWidget(cbMatchCase, 3, 0, 1, 2);
    auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
    auto* dirLayout = new QHBoxLayout(direction);
    rbUp = new QRadioButton(QStringLiteral("&Up"), direction);
    rbDown = new QRadioButton(QStringLiteral("&Down"), direction);
    rbDown->setChecked(true);
    dirLayout->addWidget(rbUp);
    dirLayout->addWidget(rbDown);
    grid_->addWidget(direction, 2, 2, 2, 1);
    auto* buttons = new QVBoxLayout;
    btnFindNext = new QPushButton(QStringLiteral("&Find Next"), this);
    btnFindNext->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(btnFindNext);
    buttons->addWidget(btnCancel);
    buttons->addStretch();
    grid_->addLayout(buttons, 0, 3, 4, 1);
    connect(btnFindNext, &QPushButton::clicked, this, [this] {
        EventOptions = Options();
        emit onFind();
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::hide);
}

QString TFindDialog::FindText() const {
    return edtFind->text();
}

TFindOptions TFindDialog::Options() const {
    TFindOptions o = 0;
    if (rbDown->isChecked()) o |= frDown;
    if (cbMatchCase->isChecked()) o |= frMatchCase;
    if (cbWholeWord->isChecked()) o |= frWholeWord;
    return o;
}

void TFindDialog::setOptions(TFindOptions options) {
    rbDown->setChecked(options & frDown);
    rbUp->setChecked(!(options & frDown));
    cbMatchCase->setChecked(options & frMatchCase);
    cbWholeWord->setChecked(options & frWholeWord);
}

TReplaceDialog::TReplaceDialog(QWidget* parent) : TFindDialog(parent) {
    setWindowTitle(QStringLiteral("Replace"));
    grid_->addWidget(new QLabel(QStringLiteral("Re&place with:"), this), 1, 0);
    edtReplace = new QLineEdit(this);
    grid_->addWidget(edtReplace, 1, 1);
    btnReplace = new QPushButton(QStringLiteral("&Replace"), this);
    btnReplaceAll = new QPushButton(QStringLiteral("Replace &All"), this);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnReplace);
    buttons->addWidget(btnReplaceAll);
    grid_->addLayout(buttons, 4, 3);
    connect(btnReplace, &QPushButton::clicked, this, [this] {
        EventOptions = TFindOptions(Options() | frReplace);
        emit onReplace();
    });
    connect(btnReplaceAll, &QPushButton::clicked, this, [this] {
        EventOptions = TFindOptions(Options() | frReplaceAll);
        emit onReplace();
    });
}

QString TReplaceDialog::ReplaceText() const {
    return edtReplace->text();
}

} // namespace ballforge
