#include "tools/ui/TfrmSaveAsNewBreed.h"

#include "sprites/BreedID.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ballforge {

namespace {

// The welcome page ends the wizard when the user only wants to save.
class TWelcomePage : public QWizardPage {
public:
    explicit TWelcomePage(TfrmSaveAsNewBreed* wizard) : wizard_(wizard) {}
    int nextId() const override {
        return wizard_->rdoNewBreed->isChecked() ? TfrmSaveAsNewBreed::pgBreedID : -1;
    }
    bool isComplete() const override { return true; }
    void choiceChanged() { emit completeChanged(); }

private:
    TfrmSaveAsNewBreed* wizard_;
};

// A text beside a radio button that chooses it when clicked.
class TChoiceLabel : public QLabel {
public:
    TChoiceLabel(const QString& text, QRadioButton* target, QWidget* parent)
        : QLabel(text, parent), target_(target) {
        setWordWrap(true);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent*) override { target_->setChecked(true); }

private:
    QRadioButton* target_;
};

} // namespace

TfrmSaveAsNewBreed::TfrmSaveAsNewBreed(QWidget* parent) : QWizard(parent) {
    setWindowTitle(QStringLiteral("Saving breed..."));
    setWizardStyle(QWizard::ModernStyle);
    setOption(QWizard::NoBackButtonOnStartPage, false);
    setButtonText(QWizard::BackButton, QStringLiteral("< &Back"));
    setButtonText(QWizard::NextButton, QStringLiteral("&Next >"));
    setButtonText(QWizard::FinishButton, QStringLiteral("&Finish"));
    setButtonText(QWizard::CancelButton, QStringLiteral("Cancel"));

    auto* welcome = new TWelcomePage(this);
    welcome->setTitle(QStringLiteral("Save new breed file"));
    welcome->setSubTitle(QStringLiteral("Save as a new breed file, or save without correcting the breed"));
    auto* wl = new QVBoxLayout(welcome);
    auto* intro = new QLabel(
        QStringLiteral("The filename you have chosen is different from the original name of the breed."),
        welcome);
    intro->setWordWrap(true);
    wl->addWidget(intro);
    auto* ask = new QLabel(QStringLiteral("<b>Do you want to:</b>"), welcome);
    wl->addWidget(ask);
    rdoNewBreed = new QRadioButton(welcome);
    rdoSaveAnyway = new QRadioButton(welcome);
    rdoNewBreed->setChecked(true);
    lblNewBreed = new TChoiceLabel(
        QStringLiteral("Make a new breed (Automatically update the breed's name)."), rdoNewBreed, welcome);
    lblSaveAnyway =
        new TChoiceLabel(QStringLiteral("Just save it. Petz wont be able to load the new breed (This is "
                                        "useful for saving backups of your breed)"),
                         rdoSaveAnyway, welcome);
    auto* grid = new QFormLayout;
    grid->addRow(rdoNewBreed, lblNewBreed);
    grid->addRow(rdoSaveAnyway, lblSaveAnyway);
    wl->addLayout(grid);
    wl->addStretch();
    setPage(pgWelcome, welcome);

    auto* idPage = new QWizardPage;
    idPage->setTitle(QStringLiteral("Set new breed ID..."));
    idPage->setSubTitle(QStringLiteral("Give your breed a unique ID number"));
    auto* il = new QVBoxLayout(idPage);
    auto* explain = new QLabel(
        QStringLiteral(
            "Here you can change the ID number of your breed. For your breed to show up separately at the "
            "adoption center, it needs to have a different ID number from every other breed. Choose a "
            "number that you haven't used for any other breed."),
        idPage);
    explain->setWordWrap(true);
    il->addWidget(explain);
    auto* form = new QFormLayout;
    SpinEdit1 = new QSpinBox(idPage);
    SpinEdit1->setRange(0, 65535);
    edtHex = new QLineEdit(QStringLiteral("0"), idPage);
    edtHex->setMaxLength(4);
    edtHex->installEventFilter(this);
    form->addRow(QStringLiteral("New breed ID number (As a normal number):"), SpinEdit1);
    form->addRow(QStringLiteral("New breed ID number (In hex):"), edtHex);
    il->addLayout(form);
    il->addStretch();
    setPage(pgBreedID, idPage);
    setStartId(pgWelcome);

    auto* group = new QButtonGroup(this);
    group->addButton(rdoNewBreed);
    group->addButton(rdoSaveAnyway);
    connect(rdoNewBreed, &QRadioButton::toggled, this, [this, welcome] {
        welcome->choiceChanged();
        UpdateButtons();
    });
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TfrmSaveAsNewBreed::SpinEdit1Change);
    connect(edtHex, &QLineEdit::textChanged, this, &TfrmSaveAsNewBreed::edtHexChange);
    connect(this, &QWizard::currentIdChanged, this, &TfrmSaveAsNewBreed::UpdateButtons);
    SpinEdit1Change();
    UpdateButtons();
    SpinEdit1->setFocus();
}

void TfrmSaveAsNewBreed::UpdateButtons() {
    if (currentId() != pgWelcome && currentId() != -1) return;
    const bool newBreed = rdoNewBreed->isChecked();
    // The wizard hides the button it does not need; the page's nextId decides which.
    button(QWizard::NextButton)->setVisible(newBreed);
    button(QWizard::FinishButton)->setVisible(!newBreed);
}

void TfrmSaveAsNewBreed::SpinEdit1Change() {
    if (guard_) return;
    guard_ = true;
    edtHex->setText(QString::fromStdString(BreedIDHexText(static_cast<std::uint16_t>(SpinEdit1->value()))));
    guard_ = false;
}

void TfrmSaveAsNewBreed::edtHexChange() {
    if (guard_) return;
    guard_ = true;
    // Empty text, like any text that is no number, counts as 0.
    SpinEdit1->setValue(BreedIDFromHexText(edtHex->text().toStdString()).value_or(0));
    guard_ = false;
}

bool TfrmSaveAsNewBreed::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtHex && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
            key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Home ||
            key->key() == Qt::Key_End)
            return false;
        if (text.size() == 1) {
            const QChar c = text[0];
            const bool hex = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
            if (hex && c.isLower()) {
                edtHex->insert(QString(c.toUpper()));
                return true;
            }
            if (hex) return false;
        }
        return true; // every other key is dropped
    }
    return QWizard::eventFilter(watched, event);
}

} // namespace ballforge
