// A decoded frame shown through QImage: same memory, same colours.
#include "sprites/ui/Bitmap32Image.h"

#include <QtTest>

using namespace ballforge;

class Bitmap32ImageTest : public QObject {
    Q_OBJECT
private slots:
    void wrapsWithoutCopying() {
        TBitmap32 bitmap(3, 2, 0);
        bitmap.SetPixel(0, 0, 0xFF102030u);
        bitmap.SetPixel(2, 1, 0x80FF0000u);
        const QImage image = Bitmap32Image(bitmap);
        QCOMPARE(image.format(), QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(3, 2));
        QCOMPARE(static_cast<const void*>(image.constBits()), static_cast<const void*>(bitmap.Bits()));
        QCOMPARE(image.pixel(0, 0), qRgba(0x10, 0x20, 0x30, 0xFF));
        QCOMPARE(image.pixel(2, 1), qRgba(0xFF, 0x00, 0x00, 0x80));
        QCOMPARE(image.pixel(1, 0), qRgba(0, 0, 0, 0));
    }
};

QTEST_GUILESS_MAIN(Bitmap32ImageTest)
#include "Bitmap32ImageTest.moc"
