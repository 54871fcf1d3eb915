#include "printlayout.h"

#include <QTest>

class TestPrintLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placesThePictureAsLargeAsThePageAllows_data();
    void placesThePictureAsLargeAsThePageAllows();
};

void TestPrintLayout::placesThePictureAsLargeAsThePageAllows_data()
{
    QTest::addColumn<float>("scaleLeft");
    QTest::addColumn<float>("scaleTop");
    QTest::addColumn<float>("scaleWidth");
    QTest::addColumn<float>("scaleHeight");
    QTest::addColumn<float>("pictureAspect");
    QTest::addColumn<float>("printLeft");
    QTest::addColumn<float>("printTop");
    QTest::addColumn<float>("printWidth");
    QTest::addColumn<float>("printHeight");

    // Portrait and landscape pages with the certificate's own proportion: tst_frmdrucken.
    // Both branches fit a page of the picture's proportion alike; a shifted origin tells them apart, as the
    // full-height branch takes the top edge and the full-width branch the left edge.
    QTest::newRow("page proportion equal to the picture's: full height branch")
        << 100.0F << 200.0F << 1000.0F << 1250.0F << 1.25F
        << 0.0F << 200.0F << 1000.0F << 1250.0F;
    QTest::newRow("page one unit taller than the picture's proportion: full width branch")
        << 100.0F << 200.0F << 1000.0F << 1251.0F << 1.25F
        << 100.0F << 0.5F << 1000.0F << 1250.0F;
}

// The picture keeps its proportion, touches two opposite edges and is centred between the other two.
void TestPrintLayout::placesThePictureAsLargeAsThePageAllows()
{
    QFETCH(float, scaleLeft);
    QFETCH(float, scaleTop);
    QFETCH(float, scaleWidth);
    QFETCH(float, scaleHeight);
    QFETCH(float, pictureAspect);

    const PrintLayout layout = layoutPrint(scaleLeft, scaleTop, scaleWidth, scaleHeight, pictureAspect);

    QTEST(layout.printLeft, "printLeft");
    QTEST(layout.printTop, "printTop");
    QTEST(layout.printWidth, "printWidth");
    QTEST(layout.printHeight, "printHeight");
    QVERIFY(layout.printWidth <= scaleWidth);
    QVERIFY(layout.printHeight <= scaleHeight);
    QCOMPARE(layout.printHeight / layout.printWidth, pictureAspect);
}

QTEST_GUILESS_MAIN(TestPrintLayout)
#include "tst_printlayout.moc"
