#include "fakeservices.h"
#include "player.h"

#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>

#include <optional>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

// Green on the left half, blue on the right: shows where the picture's middle lands.
QByteArray twoHalves(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0, 200, 0));
    QPainter(&image).fillRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height(), QColor(0, 0, 200));
    return encoded(image, "JPEG");
}

} // namespace

class TestBoardPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pictureFile_data();
    void pictureFile();

private:
    void open(const QString &file, const QByteArray &bytes);

    std::optional<FakeServices> m_services;
    std::optional<Forms> m_forms;
    QTemporaryDir m_program;
    QImage m_shown;
    QImage m_defaultPicture;
};

// Opens frm3x4 with picture number 19 (rand(20) of the largest draw, never 20) and the program in a folder whose Bilder
// holds `file` ("pipe": picture19.jpg as a named pipe; "": Bilder empty);
// clears one pair and keeps the picture as the player sees it through the pair's cells.
void TestBoardPicture::open(const QString &file, const QByteArray &bytes)
{
    m_forms.reset();
    m_shown = {};
    QVERIFY(QDir(m_program.path()).removeRecursively());
    QVERIFY(QDir().mkpath(m_program.filePath(QStringLiteral("Bilder"))));
    QFile picture(m_program.filePath(QStringLiteral("Bilder/") + file));
    if (file == u"pipe") {
#ifndef Q_OS_WIN
        QCOMPARE(::mkfifo(QFile::encodeName(m_program.filePath(QStringLiteral("Bilder/picture19.jpg"))).constData(), 0644), 0);
#endif
    } else if (file.endsWith(QLatin1String(".jpg")))
        QVERIFY(picture.open(QIODevice::WriteOnly) && picture.write(bytes) == bytes.size());
    picture.close();

    m_services.emplace();
    m_services->folder = m_program.path();
    m_services->randomSource.script = {0.999999};
    m_forms.emplace(*m_services);
    FormWindow *board = Player::open(*m_forms, QStringLiteral("frm3x4"));
    QVERIFY(board);
    const auto pair = Player::pairsOf(board).first();
    QTest::mouseClick(pair.first, Qt::LeftButton);
    QTest::mouseClick(pair.second, Qt::LeftButton);
    m_shown = board->findChild<QLabel *>(QStringLiteral("imgBild"))->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    // Neighbours overlap a cell's edges by a pixel.
    const QRect inside = pair.first->geometry().adjusted(2, 2, -2, -2);
    QCOMPARE(board->grab(inside).toImage().convertToFormat(QImage::Format_RGB32), m_shown.copy(inside));
    QVERIFY(m_services->messages.isEmpty());
}

void TestBoardPicture::initTestCase()
{
    open(QString(), {});
    m_defaultPicture = m_shown;
}

void TestBoardPicture::pictureFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("used");
    const QByteArray jpeg = twoHalves({640, 480});
    QTest::newRow("tall JPEG, stretched") << "picture19.jpg" << twoHalves({200, 900}) << true;
    // The decoder would show the top half of it.
    QTest::newRow("JPEG cut off halfway") << "picture19.jpg" << jpeg.left(jpeg.size() / 2) << false;
    QTest::newRow("PNG named .jpg") << "picture19.jpg" << encoded(QImage::fromData(jpeg), "PNG") << false;
#ifndef Q_OS_WIN // Windows has no named pipes in its folders.
    QTest::newRow("named pipe that nobody writes") << "pipe" << QByteArray() << false;
#endif
}

// Bilder/picture<number>.jpg fills the picture area exactly, whatever its shape; a file that
// cannot be used leaves the default picture, silently, and the game goes on.
void TestBoardPicture::pictureFile()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, used);
    open(file, bytes);
    if (!used) {
        QCOMPARE(m_shown, m_defaultPicture);
        return;
    }
    QCOMPARE(m_shown.size(), QSize(513, 384));
    for (const QPoint point : {QPoint(2, 2), QPoint(250, 192), QPoint(262, 192), QPoint(510, 381)}) {
        const QColor colour = m_shown.pixelColor(point);
        QVERIFY(point.x() < 256 ? colour.green() > 150 && colour.blue() < 60 : colour.blue() > 150 && colour.green() < 60);
    }
}

QTEST_MAIN(TestBoardPicture)
#include "tst_boardpicture.moc"
