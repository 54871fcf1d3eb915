// Speed of the board windows: from the "OK" click in the selection window to the board
// painted on screen, with the default picture and with a 4000 x 3000 photo in Bilder,
// and from a card click to its repaint. Prints median and maximum in milliseconds per
// case; the target is one 60 Hz frame (16 ms). It never fails on a timing.
//
// Build and run on a real X server (Xvfb here), after a release configure:
//   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
//   cmake --build build-release --target bench_board
//   xvfb-run -a -s '-screen 0 1280x1024x24' build-release/bench/bench_board

#include "boardlayout.h"
#include "boardwindow.h"
#include "fakeservices.h"
#include "forms.h"
#include "frmauswahl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int runs = 25;

// Notes the first paint of any widget in the watched window.
class PaintWatch : public QObject
{
public:
    QString windowName;
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->window()->objectName() == windowName)
                painted = true;
        }
        return false;
    }
};

// Runs the action and the events it causes until the watched window has painted and
// flushed; returns the time taken in milliseconds.
double timeToPaint(PaintWatch &watch, const std::function<void()> &action)
{
    watch.painted = false;
    QElapsedTimer timer;
    timer.start();
    action();
    while (!watch.painted && timer.elapsed() < 5000)
        QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

void report(const char *board, const char *what, std::vector<double> times)
{
    const double first = times.front();
    std::sort(times.begin(), times.end());
    std::printf("%-7s %-34s median %7.2f ms   max %7.2f ms   first %7.2f ms   (%zu runs)\n", board, what,
                times[times.size() / 2], times.back(), first, times.size());
    std::fflush(stdout);
}

// A photo-like 4000 x 3000 picture: soft shapes under fine grain, a few megabytes as JPEG.
bool writeLargePhoto(const QString &path)
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient water(0, 0, 0, 3000);
    water.setColorAt(0, QColor(40, 140, 200));
    water.setColorAt(1, QColor(5, 30, 70));
    painter.fillRect(image.rect(), water);
    QRandomGenerator generator(4000);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 300; ++k) {
        painter.setBrush(QColor::fromHsv(generator.bounded(360), 120, 80 + generator.bounded(150), 160));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(generator.bounded(4000), generator.bounded(3000)), 20 + generator.bounded(300),
                            20 + generator.bounded(200));
    }
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = static_cast<int>(generator.bounded(24)) - 12;
            const QRgb pixel = line[x];
            line[x] = qRgb(std::clamp(qRed(pixel) + grain, 0, 255), std::clamp(qGreen(pixel) + grain, 0, 255),
                           std::clamp(qBlue(pixel) + grain, 0, 255));
        }
    }
    return image.save(path, "JPEG", 90);
}

QAbstractButton *button(Form &form, const QString &name)
{
    return form.window()->findChild<QAbstractButton *>(name);
}

void benchBoard(const zorbel::BoardLayout &layout, const QString &folder, const char *pictureName, bool clicks)
{
    FakeServices services;
    services.folder = folder;
    Forms forms(services);
    PaintWatch watch;
    watch.windowName = QString::fromLatin1(layout.name);
    qApp->installEventFilter(&watch);

    forms.frmAuswahl().Show();
    const int klasse = layout.variant == zorbel::Variant::Small ? 1 : 3;
    QTest::mouseClick(button(forms.frmAuswahl(), QStringLiteral("optKlasse(%1)").arg(klasse)), Qt::LeftButton);
    QTest::mouseClick(button(forms.frmAuswahl(), QStringLiteral("chkRechenart(0)")), Qt::LeftButton);
    QTest::mouseClick(button(forms.frmAuswahl(), QStringLiteral("optLevel(%1)").arg(static_cast<int>(layout.id) % 3)),
                      Qt::LeftButton);

    std::vector<double> opening;
    std::vector<double> pictureInPlace;
    std::vector<double> marking;
    std::vector<double> matching;
    for (int run = 0; run < runs; ++run) {
        forms.unloadBoards();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        forms.frmAuswahl().Show();
        if (!QTest::qWaitForWindowExposed(forms.frmAuswahl().window()))
            std::fprintf(stderr, "the selection window did not show\n");
        QCoreApplication::processEvents();

        // Picture 0 every time, so that every run decodes the same file.
        services.randomSource.script = {0.0};
        QAbstractButton *ok = button(forms.frmAuswahl(), QStringLiteral("cmdOK"));
        QElapsedTimer sinceClick;
        sinceClick.start();
        opening.push_back(timeToPaint(watch, [ok] { QTest::mouseClick(ok, Qt::LeftButton); }));
        if (!clicks) {
            // The photo decodes on while the cards cover it; this is when it lies in place.
            const auto *imgBild = forms.board(layout.id).window()->findChild<QLabel *>(QStringLiteral("imgBild"));
            const qint64 defaultPicture = imgBild->pixmap().cacheKey();
            while (imgBild->pixmap().cacheKey() == defaultPicture && sinceClick.elapsed() < 5000)
                QCoreApplication::processEvents();
            pictureInPlace.push_back(sinceClick.nsecsElapsed() / 1e6);
            continue;
        }

        QWidget *board = forms.board(layout.id).window();
        QTest::qWait(20);
        const auto card = [board](int index) {
            return board->findChild<QAbstractButton *>(QStringLiteral("cmdaufgabe(%1)").arg(index));
        };
        int partner = 1;
        while (card(partner)->property("Tag") != card(0)->property("Tag"))
            ++partner;
        marking.push_back(timeToPaint(watch, [&] { QTest::mouseClick(card(0), Qt::LeftButton); }));
        matching.push_back(timeToPaint(watch, [&] { QTest::mouseClick(card(partner), Qt::LeftButton); }));
    }
    qApp->removeEventFilter(&watch);
    forms.unloadBoards();

    report(layout.name.data(), qPrintable(QStringLiteral("open, %1").arg(QLatin1String(pictureName))), opening);
    if (!clicks)
        report(layout.name.data(), "  photo in place under the cards", pictureInPlace);
    if (clicks) {
        report(layout.name.data(), "click marks a card", marking);
        report(layout.name.data(), "click removes a pair", matching);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QTemporaryDir withoutPictures;
    QTemporaryDir withPhoto;
    if (!QDir(withPhoto.path()).mkdir(QStringLiteral("Bilder"))
        || !writeLargePhoto(withPhoto.filePath(QStringLiteral("Bilder/picture0.jpg")))) {
        std::fprintf(stderr, "cannot write the test photo\n");
        return 1;
    }
    std::printf("platform %s, %d cores, 4000 x 3000 photo of %lld bytes\n", qPrintable(QGuiApplication::platformName()),
                QThread::idealThreadCount(), QFileInfo(withPhoto.filePath(QStringLiteral("Bilder/picture0.jpg"))).size());

    for (const auto &layout : zorbel::boardLayouts) {
        benchBoard(layout, withoutPictures.path(), "default picture", true);
        benchBoard(layout, withPhoto.path(), "4000 x 3000 photo", false);
    }
    return 0;
}
