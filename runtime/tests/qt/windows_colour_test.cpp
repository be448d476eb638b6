#include "runtime/qt/windows_colour.h"

#include <QApplication>
#include <QTest>

#include "runtime/qt/twips.h"

namespace vortalis {

class WindowsColourTest : public QObject {
    Q_OBJECT
  private slots:
    void redLivesInTheLowByte() {
        QCOMPARE(FromWindowsColour(8454143), QColor(255, 255, 128));  // pale yellow
        QCOMPARE(FromWindowsColour(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(ToWindowsColour(QColor(255, 255, 128)), 8454143);
        QCOMPARE(ToWindowsColour(QColor(0, 0, 0)), 0);
    }

    void systemColourReferencesComeFromThePalette() {
        QPalette palette;
        palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
        palette.setColor(QPalette::Active, QPalette::Button, QColor(4, 5, 6));
        QVERIFY(IsSystemColourReference(static_cast<std::int32_t>(0x80000005u)));
        QCOMPARE(FromWindowsColour(static_cast<std::int32_t>(0x80000005u), palette),
                 QColor(1, 2, 3));
        QCOMPARE(FromWindowsColour(static_cast<std::int32_t>(0x8000000Fu), palette),
                 QColor(4, 5, 6));
        QCOMPARE(FromWindowsColour(static_cast<std::int32_t>(0x800000FFu), palette),
                 QColor(1, 2, 3));
    }

    void fifteenTwipsAPixelAt96DotsPerInch() {
        QCOMPARE(TwipsPerPixel(96.0), 15.0);
        QCOMPARE(TwipsPerPixel(192.0), 7.5);
        QCOMPARE(TwipsToPixels(5910, 15.0), 394);
        QCOMPARE(PixelsToTwips(394, 15.0), 5910.0);
    }
};

}  // namespace vortalis

QTEST_MAIN(vortalis::WindowsColourTest)
#include "windows_colour_test.moc"
