#include "jpegcheck.h"

#include <QTest>

class TestJpegCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endOfImageReached_data();
    void endOfImageReached();
};

// Start of image, an application segment of length 4, a scan header of length 3, entropy-coded
// data with a stuffed 0xFF and a restart marker, end of image.
static const QByteArray complete = QByteArray::fromHex("ffd8 ffe00004aabb ffda000301 12ff0034ffd356 ffd9");

void TestJpegCheck::endOfImageReached_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("reached");
    QTest::newRow("complete, with stuffing and a restart in the scan") << complete << true;
    QTest::newRow("fill bytes before the end marker") << QByteArray::fromHex("ffd8ffffd9") << true;
    QTest::newRow("cut off before the end marker") << complete.chopped(2) << false;
    QTest::newRow("cut off halfway") << complete.left(complete.size() / 2) << false;
    QTest::newRow("cut off inside a segment's length") << complete.left(5) << false;
    QTest::newRow("end marker inside a segment's data does not count") << QByteArray::fromHex("ffd8ffe00006ffd9") << false;
    QTest::newRow("no start-of-image marker") << QByteArray(complete).replace(1, 1, "\xd9") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

// A picture file counts only when its segments lead to the end-of-image marker.
void TestJpegCheck::endOfImageReached()
{
    QFETCH(QByteArray, bytes);
    QTEST(reachesEndOfImage(bytes), "reached");
}

QTEST_GUILESS_MAIN(TestJpegCheck)
#include "tst_jpegcheck.moc"
