#include "boardpicture.h"

#include "jpegcheck.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPixmapCache>
#include <QTimer>
#if QT_CONFIG(thread)
#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>
#endif

#include <memory>

namespace {

const QString defaultPicturePath = QStringLiteral(":/assets/board-default.jpg");

// Far beyond any camera, yet a forged header cannot make the decoder allocate much:
// it decodes at no less than an eighth of each side.
constexpr qint64 maxSourcePixels = 250'000'000;

QImage decode(const QByteArray &bytes, const QSize &size)
{
    if (!reachesEndOfImage(bytes))
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    // Only a JPEG counts, whatever else the file's content might be.
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoDetectImageFormat(false);
    const QSize source = reader.size();
    if (source.isEmpty() || qint64(source.width()) * source.height() > maxSourcePixels)
        return {};
    reader.setScaledSize(size);
    return reader.read();
}

QImage firstDecoded(const QStringList &paths, const QSize &size)
{
    for (const QString &path : paths) {
        QImage picture = decodeBoardPicture(path, size);
        if (!picture.isNull())
            return picture;
    }
    return {};
}

} // namespace

QImage decodeBoardPicture(const QString &path, const QSize &size)
{
    // Only a regular file: a folder cannot be read, and a named pipe would block.
    if (size.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Mapping spares a copy of a large photo; the mapping lives as long as the open file.
    const qint64 length = file.size();
    if (uchar *mapped = file.map(0, length))
        return decode(QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), length), size);
    return decode(file.readAll(), size);
}

QString boardPictureName(int number)
{
    return QStringLiteral("Bilder/picture%1.jpg").arg(number);
}

QStringList boardPicturePaths(const QString &userDataFolder, const QString &programFolder, int number)
{
    const QString name = boardPictureName(number);
    QStringList paths;
    // An empty folder would make the name relative to wherever the program was started.
    for (const QString &folder : {userDataFolder, programFolder}) {
        if (!folder.isEmpty())
            paths.append(QDir(folder).filePath(name));
    }
    return paths;
}

BoardPictureLoad::BoardPictureLoad(const QStringList &paths, const QSize &size, QObject *parent)
    : QObject(parent)
    , m_paths(paths)
    , m_size(size)
{
#if QT_CONFIG(thread)
    // The task holds only values and the promise, so it may outlive the board that asked.
    auto promise = std::make_shared<QPromise<QImage>>();
    m_decoding = promise->future();
    promise->start();
    QThreadPool::globalInstance()->start([promise, paths, size] {
        promise->addResult(firstDecoded(paths, size));
        promise->finish();
    });
    auto *watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, &BoardPictureLoad::ready);
    watcher->setFuture(m_decoding);
#else
    QTimer::singleShot(0, this, [this] {
        picture();
        Q_EMIT ready();
    });
#endif
}

QImage BoardPictureLoad::picture()
{
    if (!m_picture) {
#if QT_CONFIG(thread)
        m_picture = m_decoding.result();
#else
        m_picture = firstDecoded(m_paths, m_size);
#endif
    }
    return *m_picture;
}

QPixmap defaultBoardPicture(const QSize &size, qreal devicePixelRatio)
{
    const QSize pixels = size * devicePixelRatio;
    const QString key = QStringLiteral("zorbel-board-default-%1x%2").arg(pixels.width()).arg(pixels.height());
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    picture = QPixmap::fromImage(decodeBoardPicture(defaultPicturePath, pixels));
    picture.setDevicePixelRatio(devicePixelRatio);
    if (!picture.isNull())
        QPixmapCache::insert(key, picture);
    return picture;
}
