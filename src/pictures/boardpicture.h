#pragma once

#include <QFuture>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

// The picture behind a board's cards, decoded straight to the size it is shown at and
// stretched without keeping its aspect ratio, so that a large photo never lives in
// memory at full size.

// A null image unless the file is a complete JPEG of a sane size that decodes.
QImage decodeBoardPicture(const QString &path, const QSize &size);

// The files that may hold picture `number`, in the order they are tried: the user's own
// in their data folder's Bilder, then the program's in its Bilder.
QStringList boardPicturePaths(const QString &userDataFolder, const QString &programFolder, int number);

// The first of `paths` that decodes, on a worker thread: a large photo takes several
// frames to decode. Null when none does.
QFuture<QImage> decodeBoardPictureInBackground(const QStringList &paths, const QSize &size);

// The picture the program carries for every board, `size` in device-independent pixels
// drawn at the screen's `devicePixelRatio`; null when it carries none.
QPixmap defaultBoardPicture(const QSize &size, qreal devicePixelRatio);
