#include "formats/ui/TfrmColourPicker.h"

#include "formats/ui/TPetzColourGrid.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace ballforge {

namespace {
TColourPickerRunner& Runner() {
    static TColourPickerRunner runner;
    return runner;
}
} // namespace

TfrmColourPicker::TfrmColourPicker(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Colour Picker"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(477, 451);
    rbNoColour = new QRadioButton(QStringLiteral("No colour/default colour"), this);
    rbNoColour->setGeometry(14, 6, 300, 20);
    rbPickColour = new QRadioButton(QStringLiteral("Pick a colour:"), this);
    rbPickColour->setGeometry(14, 30, 120, 20);
    rbPickColour->setChecked(true);
    cbPalette = new QComboBox(this);
    cbPalette->setGeometry(140, 28, 160, 24);
    for (int kind = 0; kind < PaletteKindCount; ++kind)
        cbPalette->addItem(QString::fromStdString(PaletteName(TPFPalType(kind))));
    cbPalette->setCurrentIndex(0);
    cbPalette->setVisible(false);
    grid = new TPetzColourGrid(this);
    grid->setColumns(16);
    grid->setCellwidth(25);
    grid->setCellheight(20);
    grid->setGap(3);
    grid->setPalette(pfpPetz);
    grid->setGeometry(14, 56, 448, 368);
    btnOk = new QPushButton(QStringLiteral("Ok"), this);
    btnOk->setGeometry(306, 426, 75, 23);
    btnOk->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setGeometry(387, 426, 75, 23);
    Timer1 = new QTimer(this);
    Timer1->setInterval(200);

    connect(rbNoColour, &QRadioButton::clicked, this, [this] { RadioClick(); });
    connect(rbPickColour, &QRadioButton::clicked, this, [this] { RadioClick(); });
    connect(cbPalette, &QComboBox::activated, this, [this](int i) { grid->setPalette(TPFPalType(i)); });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();
}

void TfrmColourPicker::Prepare(int index, bool allowNone, bool showPaletteChoice, TPFPalType palette) {
    GivenIndex = index;
    if (index >= 0) grid->setSelected(index);
    rbNoColour->setEnabled(allowNone);
    cbPalette->setVisible(showPaletteChoice);
    grid->setPalette(palette);
}

void TfrmColourPicker::RadioClick() {
    grid->setEnabled(rbPickColour->isChecked());
}

void TfrmColourPicker::btnOkClick() {
    Result = rbPickColour->isChecked() ? grid->selected() : -1;
    accept();
}

void TfrmColourPicker::Timer1Timer() {
    grid->Tick();
}

bool PickPetzColour(int& index, bool allowNone, bool showPaletteChoice, TPFPalType palette) {
    TfrmColourPicker dialog;
    dialog.Prepare(index, allowNone, showPaletteChoice, palette);
    const int result = Runner() ? Runner()(dialog) : dialog.exec();
    if (result != QDialog::Accepted) return false;
    index = dialog.Result;
    return true;
}

void SetColourPickerRunner(TColourPickerRunner runner) {
    Runner() = std::move(runner);
}

} // namespace ballforge
