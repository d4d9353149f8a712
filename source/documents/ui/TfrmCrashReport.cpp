#include "documents/ui/TfrmCrashReport.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace ballforge {

TfrmCrashReport::TfrmCrashReport(const QString& description, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Ballforge - unexpected error"));
    auto* layout = new QVBoxLayout(this);
    auto* intro =
        new QLabel(QStringLiteral("An unexpected error happened. Your open files are still open; save them "
                                  "under a new name if you are unsure of them.\nThe details below help "
                                  "to find the fault; copy them into a bug report."),
                   this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    details_ = new QPlainTextEdit(this);
    details_->setReadOnly(true);
    details_->setPlainText(QStringLiteral("Error: %1\nProgram: %2 %3\nSystem: %4\nTime: %5")
                               .arg(description, QApplication::applicationName(),
                                    QApplication::applicationVersion(), QSysInfo::prettyProductName(),
                                    QDateTime::currentDateTimeUtc().toString(Qt::ISODate)));
    layout->addWidget(details_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* copy = buttons->addButton(QStringLiteral("Copy"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(reportText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(520, 300);
}

QString TfrmCrashReport::reportText() const {
    return details_->toPlainText();
}

} // namespace ballforge
