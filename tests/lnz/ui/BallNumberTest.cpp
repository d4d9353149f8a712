// The ball number picker: its lists, the "Ok" rule, and the state it keeps between uses.
#include "lnz/ui/TfrmBallNumber.h"

#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace ballforge;

class BallNumberTest : public QObject {
    Q_OBJECT
private slots:
    void listsHoldEveryNamedBall() {
        TfrmBallNumber f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Ball number picker"));
        QCOMPARE(f.size(), QSize(246, 441));
        QCOMPARE(f.PageControl1->count(), 3);
        QCOMPARE(f.PageControl1->tabText(0), QStringLiteral("Dogz"));
        QCOMPARE(f.PageControl1->tabText(1), QStringLiteral("Catz"));
        QCOMPARE(f.PageControl1->tabText(2), QStringLiteral("Babyz"));
        QCOMPARE(f.PageControl1->currentIndex(), 0);
        QCOMPARE(f.lstDogz->count(), 67);
        QCOMPARE(f.lstCatz->count(), 67);
        QCOMPARE(f.lstBabyz->count(), 120);
        QCOMPARE(f.lstDogz->item(0)->text(), QStringLiteral("0 - L ankle"));
        QCOMPARE(f.lstDogz->item(66)->text(), QStringLiteral("66 - Z-orient"));
        QCOMPARE(f.lstCatz->item(1)->text(), QStringLiteral("1 - ankleR"));
        QCOMPARE(f.lstBabyz->item(119)->text(), QStringLiteral("119 - ztrans"));
    }

    void okFollowsTheActiveTabsSelection() {
        TfrmBallNumber f;
        f.show();
        QVERIFY(!f.btnOk->isEnabled());
        f.btnOkClick(); // nothing selected: stays open, unconfirmed
        QVERIFY(f.isVisible());
        f.lstDogz->setCurrentRow(24);
        QCOMPARE(f.lstDogz->currentItem()->text(), QStringLiteral("24 - R ankle"));
        QVERIFY(f.btnOk->isEnabled());
        f.PageControl1->setCurrentIndex(1);
        QVERIFY(!f.btnOk->isEnabled());
        f.PageControl1->setCurrentIndex(0);
        QVERIFY(f.btnOk->isEnabled());
        QTest::mouseClick(f.btnOk, Qt::LeftButton);
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(f.BallNumber, 24);
    }

    void keepsItsStateAndTakesDoubleClicks() {
        TfrmBallNumber f;
        f.show();
        f.PageControl1->setCurrentIndex(2);
        f.lstBabyz->setCurrentRow(119);
        QTest::mouseClick(f.btnCancel, Qt::LeftButton);
        QCOMPARE(f.result(), int(QDialog::Rejected));
        // Shown again: the same tab and selection, so "Ok" is enabled at once.
        f.show();
        QCOMPARE(f.PageControl1->currentIndex(), 2);
        QVERIFY(f.btnOk->isEnabled());
        // A double click confirms with the entry it hit.
        QListWidget* list = f.lstBabyz;
        const QRect r = list->visualItemRect(list->item(0));
        list->scrollToItem(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(list->item(0)).center());
        Q_UNUSED(r);
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(f.BallNumber, 0);
    }
};

QTEST_MAIN(BallNumberTest)
#include "BallNumberTest.moc"
