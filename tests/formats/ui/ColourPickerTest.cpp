// The colour grid's pixels, the swatch, and the picker dialog with PickPetzColour.
#include "formats/ui/PetzColourRules.h"
#include "formats/ui/TPetzColourGrid.h"
#include "formats/ui/TPetzColourPicker.h"
#include "formats/ui/TfrmColourPicker.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace ballforge;

namespace {

QColor Px(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return QColor(c.red(), c.green(), c.blue());
}

QColor Entry(int index, TPFPalType kind = pfpPetz) {
    return PaletteEntryColour(PaletteColours(kind), index);
}

QColor Lighter(const QColor& c, int by) {
    return QColor(std::min(255, c.red() + by), std::min(255, c.green() + by), std::min(255, c.blue() + by));
}

/// A small grid: 16 columns of 20 x 16 cells with gaps of 2.
struct SmallGrid {
    TPetzColourGrid grid;
    SmallGrid() {
        grid.setCellwidth(20);
        grid.setCellheight(16);
        grid.setGap(2);
        grid.resize(16 * 22 + 1, 16 * 18 + 1);
    }
};

} // namespace

class ColourPickerTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetColourPickerRunner({}); }

    void darkLightAndGreyRules_data() {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QColor>("greyed");
        QTest::newRow("black") << QColor(0, 0, 0) << true << QColor(0, 0, 0);
        QTest::newRow("white") << QColor(255, 255, 255) << false << QColor(255, 255, 255);
        QTest::newRow("navy") << QColor(0, 0, 128) << true << QColor(7, 7, 39);
        // (61 * 0 + 174 * 188 + 21 * 0) / 256 = 127: just dark.
        QTest::newRow("edge dark") << QColor(0, 188, 0) << true << QColor(95, 142, 95);
        QTest::newRow("edge light") << QColor(0, 189, 0) << false << QColor(96, 143, 96);
        QTest::newRow("red") << QColor(255, 0, 0) << true << QColor(108, 45, 45);
    }
    void darkLightAndGreyRules() {
        QFETCH(QColor, colour);
        QFETCH(bool, dark);
        QFETCH(QColor, greyed);
        QCOMPARE(IsDarkColour(colour), dark);
        QCOMPARE(TextColourOn(colour), dark ? QColor(Qt::white) : QColor(Qt::black));
        QCOMPARE(GreyedColour(colour), greyed);
    }

    void gridDefaults() {
        TPetzColourGrid grid;
        QCOMPARE(grid.columns(), 16);
        QCOMPARE(grid.cellwidth(), 30);
        QCOMPARE(grid.cellheight(), 25);
        QCOMPARE(grid.gap(), 3);
        QCOMPARE(grid.palette(), pfpPetz);
        QCOMPARE(grid.selected(), 0);
        grid.setColumns(0);
        QCOMPARE(grid.columns(), 16);
        grid.setColumns(-3);
        QCOMPARE(grid.columns(), 16);
    }

    void gridCellGeometryAndCutCorner() {
        SmallGrid g;
        const QImage& img = g.grid.Picture();
        // Cell 17 is in column 1 of row 1.
        QCOMPARE(g.grid.CellOrigin(17), QPoint(23, 19));
        const int x = 23, y = 19, w = 20, h = 16;
        const QColor white(255, 255, 255), black(0, 0, 0);
        QCOMPARE(Px(img, x, y), white);
        QCOMPARE(Px(img, x + w - 3, y), white);     // top edge ends where the corner is cut
        QCOMPARE(Px(img, x + w - 2, y), black);     // cut off
        QCOMPARE(Px(img, x + w, y), black);         // cut off
        QCOMPARE(Px(img, x + w - 1, y + 1), black); // cut off, beside the diagonal
        QCOMPARE(Px(img, x + w - 2, y + 1), white); // on the diagonal
        QCOMPARE(Px(img, x + w, y + 3), white);     // the diagonal meets the right edge
        QCOMPARE(Px(img, x + w, y + h), white);
        QCOMPARE(Px(img, x, y + h), white);
        QCOMPARE(Px(img, x + w + 1, y + 10), black); // gap
        QCOMPARE(Px(img, x + 5, y + h + 1), black);  // gap
        QCOMPARE(Px(img, 0, 0), black);              // the border before the first cell
        QCOMPARE(Px(img, x + 1, y + 10), Entry(17));
    }

    void gridLightensTheTopRows() {
        SmallGrid g;
        const QImage& img = g.grid.Picture();
        for (int index : {17, 50, 170}) { // 170 is white: clamped
            const QPoint o = g.grid.CellOrigin(index);
            const QColor c = Entry(index);
            QCOMPARE(Px(img, o.x() + 1, o.y() + 1), Lighter(c, 15));
            QCOMPARE(Px(img, o.x() + 1, o.y() + 2), Lighter(c, 10));
            QCOMPARE(Px(img, o.x() + 1, o.y() + 3), Lighter(c, 5));
            QCOMPARE(Px(img, o.x() + 1, o.y() + 4), c);
            QCOMPARE(Px(img, o.x() + 17, o.y() + 1), Lighter(c, 15)); // beside the cut corner, still inside
        }
    }

    void gridGreysWhenDisabled() {
        SmallGrid g;
        g.grid.setEnabled(false);
        const QImage& img = g.grid.Picture();
        const QPoint o = g.grid.CellOrigin(4); // navy 000080
        QCOMPARE(Px(img, o.x() + 1, o.y() + 10), QColor(7, 7, 39));
        QCOMPARE(Px(img, o.x() + 1, o.y() + 1), QColor(22, 22, 54));
        QCOMPARE(Px(img, o.x(), o.y()), QColor(255, 255, 255)); // the outline stays white
        g.grid.setEnabled(true);
        QCOMPARE(Px(g.grid.Picture(), o.x() + 1, o.y() + 10), Entry(4));
    }

    void gridSelectionMarchesAndFollowsTheMouse() {
        SmallGrid g;
        const QPoint o = g.grid.CellOrigin(0); // black: the marks are white
        const QColor white(255, 255, 255), black(0, 0, 0);
        QImage before = g.grid.Picture().copy();
        // Dashes of two pixels start at the top left corner.
        QCOMPARE(Px(before, o.x() + 2, o.y() + 2), white);
        QCOMPARE(Px(before, o.x() + 3, o.y() + 2), white);
        QCOMPARE(Px(before, o.x() + 4, o.y() + 2), Lighter(black, 10));
        g.grid.Tick();
        QCOMPARE(g.grid.animation(), 1);
        const QImage after = g.grid.Picture();
        // The pattern has moved on by one pixel.
        QCOMPARE(Px(after, o.x() + 2, o.y() + 2), white);
        QCOMPARE(Px(after, o.x() + 3, o.y() + 2), Lighter(black, 10));
        QCOMPARE(Px(after, o.x() + 4, o.y() + 2), Lighter(black, 10));
        QCOMPARE(Px(after, o.x() + 5, o.y() + 2), white);
        // A disabled grid does not march.
        g.grid.setEnabled(false);
        g.grid.Tick();
        QCOMPARE(g.grid.animation(), 1);
        g.grid.setEnabled(true);

        QSignalSpy spy(&g.grid, &TPetzColourGrid::selectionChanged);
        QTest::mouseClick(&g.grid, Qt::LeftButton, {}, QPoint(1 + 2 * 22 + 5, 1 + 3 * 18 + 5));
        QCOMPARE(g.grid.selected(), 2 + 3 * 16);
        QCOMPARE(spy.count(), 1);
        const QImage moved = g.grid.Picture();
        QCOMPARE(Px(moved, o.x() + 2, o.y() + 2), Lighter(black, 10)); // the old frame is gone
        const QPoint n = g.grid.CellOrigin(50);
        QCOMPARE(Px(moved, n.x() + 2, n.y() + 2), QColor(255, 255, 255)); // 874122 is dark
        QCOMPARE(g.grid.IndexAt(QPoint(1, 1 + 16 * 18)), -1);
    }

    void swatchValuesAndLook() {
        TPetzColourPicker swatch;
        QCOMPARE(swatch.size(), QSize(50, 33));
        QCOMPARE(swatch.value(), -1);
        QVERIFY(swatch.allowNone());
        QCOMPARE(swatch.cursor().shape(), Qt::PointingHandCursor);
        swatch.setValue(300);
        QCOMPARE(swatch.value(), -1);
        QImage img = swatch.Picture();
        QCOMPARE(Px(img, 2, 3), QColor(255, 0, 0));      // the no-colour band
        QCOMPARE(Px(img, 45, 2), QColor(255, 255, 255)); // above it, white
        QCOMPARE(Px(img, 45, 30), QColor(255, 0, 0));    // it ends at the bottom right
        swatch.setValue(170);
        img = swatch.Picture();
        QCOMPARE(Px(img, 2, 3), Entry(170));
        swatch.setValue(4);
        swatch.setEnabled(false);
        QCOMPARE(Px(swatch.Picture(), 2, 3), QColor(7, 7, 39));
        // The frame is black at alpha 100 over the background.
        swatch.setEnabled(true);
        swatch.setValue(170);
        const QColor frame = Px(swatch.Picture(), 0, 10);
        QVERIFY(frame.red() < 255 && frame.red() > 100);
    }

    void swatchPressOpensThePicker() {
        TPetzColourPicker swatch;
        swatch.setValue(12);
        swatch.setAllowNone(false);
        swatch.setPalette(pfpBabyz);
        QSignalSpy spy(&swatch, &TPetzColourPicker::onChange);
        SetColourPickerRunner([](TfrmColourPicker& d) {
            // The swatch hands over its value, its allowNone and its palette, without the list.
            if (d.grid->selected() != 12 || d.rbNoColour->isEnabled() || !d.cbPalette->isHidden() ||
                d.grid->palette() != pfpBabyz)
                return int(QDialog::Rejected);
            d.grid->setSelected(99);
            d.btnOkClick();
            return d.result();
        });
        QTest::mouseClick(&swatch, Qt::LeftButton);
        QCOMPARE(swatch.value(), 99);
        QCOMPARE(spy.count(), 1);
        SetColourPickerRunner([](TfrmColourPicker&) { return int(QDialog::Rejected); });
        QTest::mouseClick(&swatch, Qt::LeftButton);
        QCOMPARE(swatch.value(), 99);
        QCOMPARE(spy.count(), 1);
    }

    void dialogControls() {
        TfrmColourPicker d;
        QCOMPARE(d.windowTitle(), QStringLiteral("Colour Picker"));
        QCOMPARE(d.size(), QSize(477, 451));
        QCOMPARE(d.rbNoColour->text(), QStringLiteral("No colour/default colour"));
        QCOMPARE(d.rbPickColour->text(), QStringLiteral("Pick a colour:"));
        QVERIFY(d.rbPickColour->isChecked());
        QCOMPARE(d.grid->size(), QSize(448, 368));
        QCOMPARE(d.grid->cellwidth(), 25);
        QCOMPARE(d.grid->cellheight(), 20);
        QCOMPARE(d.Timer1->interval(), 200);
        const QStringList names{"Petz 2-5", "Babyz", "Oddballz", "Catz 1", "Dogz 1"};
        QCOMPARE(d.cbPalette->count(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(d.cbPalette->itemText(i), names[i]);
        QCOMPARE(d.cbPalette->currentIndex(), 0);
        QVERIFY(d.cbPalette->isHidden());
        d.Prepare(-1, true, true, pfpPetz);
        QVERIFY(!d.cbPalette->isHidden());
        QVERIFY(d.rbPickColour->isChecked()); // stays checked for -1
        d.show();
        QTest::mouseClick(d.rbNoColour, Qt::LeftButton);
        QVERIFY(!d.grid->isEnabled());
        QTest::mouseClick(d.rbPickColour, Qt::LeftButton);
        QVERIFY(d.grid->isEnabled());
        d.cbPalette->activated(3);
        QCOMPARE(d.grid->palette(), pfpCatz1);
        const int before = d.grid->animation();
        QVERIFY(d.Timer1->isActive());
        d.Timer1Timer();
        QCOMPARE(d.grid->animation(), before + 1);
    }

    void pickPetzColourResults() {
        struct Case {
            int given;
            bool allowNone;
            std::function<void(TfrmColourPicker&)> user;
            bool confirmed;
            int result;
        } cases[] = {
            {12, true, [](TfrmColourPicker& d) { d.btnOkClick(); }, true, 12},
            {12, true,
             [](TfrmColourPicker& d) {
                 d.rbNoColour->click();
                 d.btnOkClick();
             },
             true, -1},
            // None not allowed, nothing given: the grid's own selection, 0.
            {-1, false, [](TfrmColourPicker& d) { d.btnOkClick(); }, true, 0},
            {-1, true,
             [](TfrmColourPicker& d) {
                 d.grid->setSelected(200);
                 d.btnOkClick();
             },
             true, 200},
            {33, true, [](TfrmColourPicker& d) { d.btnCancel->click(); }, false, 33},
        };
        for (const Case& c : cases) {
            SetColourPickerRunner([&](TfrmColourPicker& d) {
                if (d.rbNoColour->isEnabled() != c.allowNone) return int(QDialog::Rejected);
                c.user(d);
                return d.result();
            });
            int index = c.given;
            QCOMPARE(PickPetzColour(index, c.allowNone, true), c.confirmed);
            QCOMPARE(index, c.result);
        }
    }
};

QTEST_MAIN(ColourPickerTest)
#include "ColourPickerTest.moc"
