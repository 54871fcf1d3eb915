#include "printlayout.h"

#include <QRectF>
#include <QTest>

class TestPrintLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void undistortedAndCentred_data();
    void undistortedAndCentred();
};

void TestPrintLayout::undistortedAndCentred_data()
{
    QTest::addColumn<QRectF>("printable");
    QTest::addColumn<bool>("fullHeight");
    // The certificate's own proportion, 6405 x 8205 twips, at 8 times its pixel size.
    const QRectF own(100, 200, 427 * 8, 547 * 8);
    QTest::newRow("A4 portrait, taller than the certificate: full width") << QRectF(0, 0, 4760, 6779) << false;
    QTest::newRow("A4 landscape: full height") << QRectF(0, 0, 6779, 4760) << true;
    QTest::newRow("the certificate's own proportion: full height") << own << true;
    QTest::newRow("one unit taller than that: full width") << own.adjusted(0, 0, 0, 1) << false;
}

// The picture keeps its proportion, starts at the printable area's edge in the dimension it
// fills, and is centred in the other by the printable size alone.
void TestPrintLayout::undistortedAndCentred()
{
    QFETCH(QRectF, printable);
    QFETCH(bool, fullHeight);
    const float aspect = 547.0F / 427.0F;
    const PrintLayout layout = layoutPrint(float(printable.left()), float(printable.top()), float(printable.width()),
                                           float(printable.height()), aspect);
    const QRectF target(layout.printLeft, layout.printTop, layout.printWidth, layout.printHeight);
    QCOMPARE(float(target.height() / target.width()), aspect);
    // A picture at full width is checked as one at full height on the page turned by a quarter.
    const auto turned = [fullHeight](const QRectF &r) { return fullHeight ? r : QRectF(r.y(), r.x(), r.height(), r.width()); };
    const QRectF placed = turned(target), page = turned(printable);
    QCOMPARE(placed.top(), page.top());
    QCOMPARE(float(placed.height()), float(page.height()));
    QCOMPARE(float(placed.left() * 2 + placed.width()), float(page.width()));
}

QTEST_GUILESS_MAIN(TestPrintLayout)
#include "tst_printlayout.moc"
