#include "lnz/ui/TLNZEditorPrompts.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace ballforge {

static TLNZEditorPrompts* installed = nullptr;

void TLNZEditorPrompts::Message(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
}

int TLNZEditorPrompts::Exec(QDialog& dialog) {
    return dialog.exec();
}

TLNZEditorPrompts& LNZEditorPrompts() {
    static TLNZEditorPrompts real;
    return installed ? *installed : real;
}

void SetLNZEditorPrompts(TLNZEditorPrompts* prompts) {
    installed = prompts;
}

} // namespace ballforge
