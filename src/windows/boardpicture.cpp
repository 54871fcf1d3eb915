#include "boardpicture.h"

#include "services.h"

#include <QBuffer>
#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPixmapCache>
#include <QPromise>
#include <QThreadPool>

#include <cstring>
#include <memory>

namespace {

const QString defaultPicturePath = QStringLiteral(":/assets/board-default.jpg");

// Far beyond any camera, yet a forged header cannot make the decoder allocate much:
// it decodes at no less than an eighth of each side.
constexpr qint64 maxSourcePixels = 250'000'000;

constexpr uchar markerStart = 0xFF;
constexpr uchar startOfImage = 0xD8;
constexpr uchar endOfImage = 0xD9;
constexpr uchar startOfScan = 0xDA;

uchar byteAt(QByteArrayView data, qsizetype index)
{
    return static_cast<uchar>(data[index]);
}

bool isRestartOrStuffing(uchar code)
{
    return code == 0x00 || (code >= 0xD0 && code <= 0xD7);
}

// Entropy-coded data runs up to the first marker that is neither a stuffed 0xFF nor
// a restart marker; returns the index of that marker's 0xFF, or the end of the data.
qsizetype nextMarker(QByteArrayView data, qsizetype from)
{
    while (from < data.size()) {
        const void *found = std::memchr(data.data() + from, markerStart, static_cast<size_t>(data.size() - from));
        if (!found)
            return data.size();
        const qsizetype at = static_cast<const char *>(found) - data.data();
        if (at + 1 >= data.size())
            return data.size();
        const uchar code = byteAt(data, at + 1);
        if (code == markerStart || isRestartOrStuffing(code)) {
            from = at + 1;
            continue;
        }
        return at;
    }
    return data.size();
}

// The decoder fills whatever is missing from a cut-off file with grey and calls that a
// success, so a file counts only when its segments lead to the end-of-image marker.
bool reachesEndOfImage(QByteArrayView data)
{
    if (data.size() < 4 || byteAt(data, 0) != markerStart || byteAt(data, 1) != startOfImage)
        return false;
    qsizetype at = 2;
    while (at + 1 < data.size()) {
        if (byteAt(data, at) != markerStart)
            return false;
        const uchar code = byteAt(data, at + 1);
        if (code == markerStart) {
            ++at;
            continue;
        }
        at += 2;
        if (code == endOfImage)
            return true;
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7))
            continue;
        if (at + 1 >= data.size())
            return false;
        at += (qsizetype(byteAt(data, at)) << 8) | byteAt(data, at + 1);
        if (code == startOfScan)
            at = nextMarker(data, at);
    }
    return false;
}

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

QStringList boardPicturePaths(const Services &services, int number)
{
    const QString name = QStringLiteral("Bilder/picture%1.jpg").arg(number);
    QStringList paths;
    // An empty folder would make the name relative to wherever the program was started.
    for (const QString &folder : {services.userDataFolder(), services.programFolder()}) {
        if (!folder.isEmpty())
            paths.append(QDir(folder).filePath(name));
    }
    return paths;
}

QFuture<QImage> decodeBoardPictureInBackground(const QStringList &paths, const QSize &size)
{
    // The task holds only values and the promise, so it may outlive the board that asked.
    auto promise = std::make_shared<QPromise<QImage>>();
    QFuture<QImage> future = promise->future();
    promise->start();
    QThreadPool::globalInstance()->start([promise, paths, size] {
        QImage picture;
        for (const QString &path : paths) {
            picture = decodeBoardPicture(path, size);
            if (!picture.isNull())
                break;
        }
        promise->addResult(picture);
        promise->finish();
    });
    return future;
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
