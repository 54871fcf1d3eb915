#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>
#if QT_CONFIG(thread)
#include <QFuture>
#endif

#include <optional>

// The picture behind a board's cards, decoded straight to the size it is shown at and
// stretched without keeping its aspect ratio, so that a large photo never lives in
// memory at full size.

// A null image unless the file is a complete JPEG of a sane size that decodes.
QImage decodeBoardPicture(const QString &path, const QSize &size);

// Where picture `number` lies in a folder: in its Bilder.
QString boardPictureName(int number);

// The files that may hold picture `number`, in the order they are tried: the user's own
// in their data folder's Bilder, then the program's in its Bilder.
QStringList boardPicturePaths(const QString &userDataFolder, const QString &programFolder, int number);

// The first of `paths` that decodes, null when none does, decoded apart from what asked for
// it: a large photo takes several frames to decode. It decodes on a worker thread; where
// there are no threads (in a web page), once the event loop is back, so that what asked is
// shown first either way.
class BoardPictureLoad : public QObject
{
    Q_OBJECT

public:
    BoardPictureLoad(const QStringList &paths, const QSize &size, QObject *parent = nullptr);

    // The picture; waits for it, or decodes it at once, when it is not ready yet.
    QImage picture();

Q_SIGNALS:
    // Once, when the picture is ready, in the thread this object lives in.
    void ready();

private:
    QStringList m_paths;
    QSize m_size;
    std::optional<QImage> m_picture;
#if QT_CONFIG(thread)
    QFuture<QImage> m_decoding;
#endif
};

// The picture the program carries for every board, `size` in device-independent pixels
// drawn at the screen's `devicePixelRatio`; null when it carries none.
QPixmap defaultBoardPicture(const QSize &size, qreal devicePixelRatio);
