#include "documents/ui/TfrmAddResource.h"

#include "documents/FileUtils.h"
#include "documents/ui/TPrompts.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ballforge {

TfrmAddResource::TfrmAddResource(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Add new resource..."));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("File to add:"), this));
    auto* fileRow = new QHBoxLayout;
    edtFile = new QLineEdit(this);
    btnBrowse = new QPushButton(QStringLiteral("Browse..."), this);
    fileRow->addWidget(edtFile);
    fileRow->addWidget(btnBrowse);
    layout->addLayout(fileRow);
    layout->addWidget(new QLabel(QStringLiteral("Resource type:"), this));
    edtType = new QComboBox(this);
    edtType->setEditable(true);
    edtType->setInsertPolicy(QComboBox::NoInsert);
    layout->addWidget(edtType);
    layout->addWidget(new QLabel(QStringLiteral("Resource name:"), this));
    edtName = new QLineEdit(this);
    layout->addWidget(edtName);
    layout->addWidget(new QLabel(QStringLiteral("Language:"), this));
    edtLanguage = new QLineEdit(QStringLiteral("1033"), this);
    layout->addWidget(edtLanguage);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnCreate = new QPushButton(QStringLiteral("Create"), this);
    btnCreate->setDefault(true);
    btnCreate->setEnabled(false);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(btnCreate);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    setFixedWidth(380);
    setTabOrder(edtFile, btnBrowse);
    setTabOrder(btnBrowse, edtType);
    setTabOrder(edtType, edtName);
    setTabOrder(edtName, edtLanguage);
    setTabOrder(edtLanguage, btnCreate);
    setTabOrder(btnCreate, btnCancel);

    auto changed = [this](bool& mark) {
        return [this, &mark] {
            if (building_) return;
            mark = true;
            updateButtons();
        };
    };
    connect(edtFile, &QLineEdit::textChanged, this, changed(fileEdited));
    connect(edtType, &QComboBox::currentTextChanged, this, changed(typeEdited));
    connect(edtName, &QLineEdit::textChanged, this, changed(nameEdited));
    connect(edtLanguage, &QLineEdit::textChanged, this, changed(languageEdited));
    connect(btnBrowse, &QPushButton::clicked, this, &TfrmAddResource::btnBrowseClick);
    connect(btnCreate, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmAddResource::SetTypes(const QStringList& types) {
    const bool wasBuilding = building_;
    building_ = true;
    edtType->clear();
    edtType->addItems(types);
    edtType->setCurrentIndex(-1);
    edtType->setEditText(QString());
    building_ = wasBuilding;
}

void TfrmAddResource::showEvent(QShowEvent* event) {
    building_ = false;
    QDialog::showEvent(event);
}

void TfrmAddResource::updateButtons() {
    bool languageOk = false;
    edtLanguage->text().trimmed().toInt(&languageOk);
    const QString file = edtFile->text();
    const bool enable = !edtName->text().isEmpty() && !edtType->currentText().isEmpty() && !file.isEmpty() &&
                        QFileInfo(file).isFile() && !edtLanguage->text().isEmpty() && languageOk;
    btnCreate->setEnabled(enable);
}

void TfrmAddResource::btnBrowseClick() {
    TFileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filter = QStringLiteral("All files (*.*)|*.*");
    request.fileName = QStringLiteral("*.*");
    request.mustExist = true;
    const QStringList chosen = Prompts().OpenFiles(request);
    if (chosen.isEmpty()) return;
    const QString path = chosen.front();
    const QFileInfo info(path);
    if (!typeEdited) edtType->setEditText(info.suffix());
    if (!nameEdited) edtName->setText(info.completeBaseName());
    edtFile->setText(path);
}

} // namespace ballforge
