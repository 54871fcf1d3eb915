#include "boardplay.h"
#include "fakeservices.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using namespace BoardPlay;

namespace {

// Picture number 7: rand(20) of the first random value.
constexpr double drawsSeven = 0.36;

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
    QPainter painter(&image);
    painter.fillRect(0, 0, size.width() / 2, size.height(), QColor(0, 200, 0));
    painter.fillRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height(), QColor(0, 0, 200));
    painter.end();
    return encoded(image, "JPEG");
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Root may read any file whatever its mode; act as "nobody" meanwhile, in every thread.
class AccessAsNobody
{
public:
    AccessAsNobody()
        : m_root(::geteuid() == 0)
    {
        if (m_root && ::seteuid(65534) != 0)
            m_root = false;
    }
    ~AccessAsNobody()
    {
        if (m_root && ::seteuid(0) != 0)
            qFatal("cannot return to root");
    }
    AccessAsNobody(const AccessAsNobody &) = delete;
    AccessAsNobody &operator=(const AccessAsNobody &) = delete;

private:
    bool m_root;
};

// The picture as the player gets to see it: once a pair has gone, through its cells.
QImage shownPicture(FormWindow *board)
{
    const auto *imgBild = board ? board->findChild<QLabel *>(QStringLiteral("imgBild")) : nullptr;
    if (!imgBild)
        return {};
    const auto pair = matchingPairs(board, 12).first();
    click(card(board, pair.first));
    click(card(board, pair.second));
    const QImage picture = imgBild->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    // Neighbours overlap a cell's edges by a pixel.
    const QRect inside = card(board, pair.first)->geometry().adjusted(2, 2, -2, -2);
    if (board->grab(inside).toImage().convertToFormat(QImage::Format_RGB32) != picture.copy(inside))
        return {};
    return picture;
}

} // namespace

class TestBoardPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pictureFillsTheAreaWhateverItsShape_data();
    void pictureFillsTheAreaWhateverItsShape();
    void pictureArrivesWhileTheCardsCoverIt();
    void badFileKeepsTheDefaultPicture_data();
    void badFileKeepsTheDefaultPicture();

private:
    // Opens frm3x4 with picture number 7 and the program in `folder`.
    QImage openWithPictures(const QString &folder);

    std::optional<FakeServices> m_services;
    std::optional<Forms> m_forms;
    QImage m_defaultPicture;
};

QImage TestBoardPicture::openWithPictures(const QString &folder)
{
    m_forms.reset();
    m_services.emplace();
    m_services->folder = folder;
    m_services->scriptedRandom = {drawsSeven};
    m_forms.emplace(*m_services);
    FormWindow *board = openBoard(*m_forms, zorbel::BoardId::frm3x4);
    return shownPicture(board);
}

void TestBoardPicture::initTestCase()
{
    QTemporaryDir empty;
    m_defaultPicture = openWithPictures(empty.path());
    QCOMPARE(m_defaultPicture.size(), QSize(513, 384));
}

void TestBoardPicture::pictureFillsTheAreaWhateverItsShape_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("smaller and square, 300 x 300") << QSize(300, 300);
    QTest::newRow("larger photo, 4000 x 3000") << QSize(4000, 3000);
    QTest::newRow("tall, 200 x 900") << QSize(200, 900);
}

// Bilder/picture<number>.jpg of any size fills the picture area exactly, stretched.
void TestBoardPicture::pictureFillsTheAreaWhateverItsShape()
{
    QFETCH(QSize, size);
    QTemporaryDir program;
    QVERIFY(QDir(program.path()).mkdir(QStringLiteral("Bilder")));
    QVERIFY(write(program.filePath(QStringLiteral("Bilder/picture7.jpg")), twoHalves(size)));

    const QImage shown = openWithPictures(program.path());
    QCOMPARE(shown.size(), QSize(513, 384));
    const auto isGreen = [](QColor c) { return c.green() > 150 && c.blue() < 60; };
    const auto isBlue = [](QColor c) { return c.blue() > 150 && c.green() < 60; };
    for (const int y : {2, 192, 381}) {
        QVERIFY(isGreen(shown.pixelColor(2, y)));
        QVERIFY(isGreen(shown.pixelColor(250, y)));
        QVERIFY(isBlue(shown.pixelColor(262, y)));
        QVERIFY(isBlue(shown.pixelColor(510, y)));
    }
    QVERIFY(m_services->messages.isEmpty());
}

// The board opens before a photo has decoded; the photo follows on its own, under the cards.
void TestBoardPicture::pictureArrivesWhileTheCardsCoverIt()
{
    QTemporaryDir program;
    QVERIFY(QDir(program.path()).mkdir(QStringLiteral("Bilder")));
    QVERIFY(write(program.filePath(QStringLiteral("Bilder/picture7.jpg")), twoHalves({4000, 3000})));
    FakeServices services;
    services.folder = program.path();
    services.scriptedRandom = {drawsSeven};
    Forms forms(services);
    FormWindow *board = openBoard(forms, zorbel::BoardId::frm3x4);
    const auto *imgBild = board->findChild<QLabel *>(QStringLiteral("imgBild"));
    QTRY_COMPARE(imgBild->pixmap().toImage().pixelColor(2, 2).green() > 150, true);
    for (int index = 0; index < 12; ++index)
        QVERIFY(card(board, index)->isVisible());
}

void TestBoardPicture::badFileKeepsTheDefaultPicture_data()
{
    QTest::addColumn<QString>("kind");  // what Bilder/picture7.jpg is: "file" holds the bytes
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray jpeg = twoHalves({640, 480});
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));  // its header claims 60000 x 60000
    QVERIFY(frame > 0);
    QTest::newRow("no Bilder folder") << "no folder" << QByteArray();
    QTest::newRow("only another number's picture") << "picture8.jpg" << jpeg;
    QTest::newRow("zero bytes") << "file" << QByteArray();
    QTest::newRow("JPEG cut off halfway") << "file" << jpeg.left(jpeg.size() / 2);
    QTest::newRow("PNG named .jpg") << "file" << encoded(QImage::fromData(jpeg), "PNG");
    QTest::newRow("text named .jpg") << "file" << QByteArray("Hier sollte ein Bild sein.\n");
    QTest::newRow("header claims 60000 x 60000")
        << "file" << QByteArray(jpeg).replace(frame + 5, 4, QByteArray::fromHex("EA60EA60"));
    QTest::newRow("folder named picture7.jpg") << "folder" << QByteArray();
    QTest::newRow("unreadable file") << "unreadable" << jpeg;
    QTest::newRow("named pipe that nobody writes") << "pipe" << QByteArray();
}

// A picture file that cannot be used leaves the default picture, silently, and the game goes on.
void TestBoardPicture::badFileKeepsTheDefaultPicture()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QTemporaryDir program;
    // Open to everyone, so that only the picture file's own mode can stand in the way.
    QVERIFY(QFile::setPermissions(program.path(), QFileDevice::Permissions(0x7755)));
    const QString path = program.filePath(QStringLiteral("Bilder/picture7.jpg"));
    if (kind != u"no folder")
        QVERIFY(QDir(program.path()).mkdir(QStringLiteral("Bilder")));
    if (kind == u"picture8.jpg")
        QVERIFY(write(program.filePath(QStringLiteral("Bilder/picture8.jpg")), bytes));
    else if (kind == u"file" || kind == u"unreadable")
        QVERIFY(write(path, bytes));
    else if (kind == u"folder")
        QVERIFY(QDir().mkdir(path));
    else if (kind == u"pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    if (kind == u"unreadable") {
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        const AccessAsNobody nobody;
        QVERIFY2(!QFile(path).open(QIODevice::ReadOnly), "the case needs a file this process cannot read");
    }

    std::optional<AccessAsNobody> nobody;
    if (kind == u"unreadable")
        nobody.emplace();
    const QImage shown = openWithPictures(program.path());
    nobody.reset();

    QCOMPARE(shown, m_defaultPicture);
    QVERIFY(m_services->messages.isEmpty());
    FormWindow *board = m_forms->frm3x4().window();
    QVERIFY(board && board->isVisible());
    QVERIFY(!tagOf(card(board, 0)).isEmpty());
}

QTEST_MAIN(TestBoardPicture)
#include "tst_boardpicture.moc"
