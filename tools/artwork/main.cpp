// Draws every picture of the program into the assets folder.
//
// To regenerate: configure with -DZORBEL_BUILD_ARTWORK=ON, build the target
// zorbel_artwork, then run it with the assets folder as its only argument:
//     zorbel_artwork assets
// It needs no display (it uses the offscreen platform) and draws the same pictures
// on every run, so a changed file in the assets folder means a changed drawing. The
// lettering uses the Comic Neue font, which must be installed.

#include "artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <functional>

namespace {

struct Picture
{
    QString fileName;
    std::function<QImage()> draw;
    int quality;
};

bool save(const QDir &folder, const Picture &picture)
{
    const QString path = folder.filePath(picture.fileName);
    QDir().mkpath(QFileInfo(path).path());
    const QImage image = picture.draw();
    if (!image.save(path, nullptr, picture.quality)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << ' ' << image.width() << 'x' << image.height() << '\n';
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: zorbel_artwork <assets folder>\n";
        return 2;
    }
    const QDir folder(arguments.at(1));

    std::vector<Picture> pictures = {
        {QStringLiteral("logo.png"), drawLogo, -1},
        {QStringLiteral("board-default.jpg"), drawDefaultBoard, 85},
        {QStringLiteral("sum.png"), drawSum, -1},
        {QStringLiteral("icon.png"), [] { return drawIcon(256); }, -1},
        {QStringLiteral("icon-16.png"), [] { return drawIcon(16); }, -1},
        {QStringLiteral("icon-32.png"), [] { return drawIcon(32); }, -1},
        {QStringLiteral("icon-48.png"), [] { return drawIcon(48); }, -1},
        {QStringLiteral("icon-64.png"), [] { return drawIcon(64); }, -1},
        {QStringLiteral("icon-128.png"), [] { return drawIcon(128); }, -1},
        {QStringLiteral("hand.png"), drawHand, -1},
        {QStringLiteral("school-logo.png"), drawSchoolLogo, -1},
    };
    for (int number = 0; number < boardPictureCount; ++number)
        pictures.push_back(
            {QStringLiteral("Bilder/picture%1.jpg").arg(number), [number] { return drawBoardPicture(number); }, 85});

    bool ok = true;
    for (const Picture &picture : pictures)
        ok = save(folder, picture) && ok;
    return ok ? 0 : 1;
}
