#include "webservices.h"

#include "look.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QUrl>

#include <emscripten.h>

namespace {

// The page the browser prints: A4 upright with 10 mm margins, which the page's print style
// sets too, drawn at 150 dots per inch.
constexpr double printDotsPerMillimetre = 150 / 25.4;
const QSizeF printableMillimetres{190, 277};

QByteArray pngOf(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return png;
}

// The page holds an element that alone is printed; the dialog opens once the picture in it
// is ready, as a picture still loading would print empty. False in a page without it.
EM_JS(bool, showPrintDialog, (const char *png, int length), {
    const page = document.getElementById('zorbel-print-page');
    if (!page)
        return false;
    URL.revokeObjectURL(page.src);
    page.src = URL.createObjectURL(new Blob([HEAPU8.slice(png, png + length)], {type: 'image/png'}));
    page.decode().then(() => window.print(), () => {});
    return true;
});

// Browsers write a picture to the clipboard only where the page is trusted and the player
// has just acted; where they refuse, nothing is shown, as with a desktop clipboard that fails.
EM_JS(void, writeClipboardPng, (const char *png, int length), {
    if (!navigator.clipboard || !navigator.clipboard.write || typeof ClipboardItem === 'undefined')
        return;
    const blob = new Blob([HEAPU8.slice(png, png + length)], {type: 'image/png'});
    try {
        navigator.clipboard.write([new ClipboardItem({'image/png': blob})]).catch(() => {});
    } catch (refused) {
    }
});

// A web address opens in a new tab, a mail address in the mail program, leaving the game
// where it is.
EM_JS(void, openTarget, (const char *url, bool isMail), {
    const target = UTF8ToString(url);
    if (isMail)
        window.location.href = target;
    else
        window.open(target, '_blank', 'noopener');
});

// A page cannot close itself: it puts the page's ended message in the program's place, the
// element the windows are drawn in (a canvas with Qt 6.4, a container of their own after).
EM_JS(void, showEnded, (), {
    const ended = document.getElementById('zorbel-ended');
    const screen = document.getElementById('zorbel-screen');
    if (!ended || !screen)
        return;
    screen.hidden = true;
    ended.hidden = false;
    document.documentElement.dataset.zorbel = 'ended';
});

} // namespace

WebServices::WebServices()
{
    // A page has none of the system's fonts: the program carries Comic Neue and names it as
    // the face every text asks for, as fontconfig does on the desktop.
    for (const char *face : {":/fonts/ComicNeue-Regular.otf", ":/fonts/ComicNeue-Bold.otf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(face));
    QFont::insertSubstitution(QString::fromLatin1(Look::fontFamily), QStringLiteral("Comic Neue"));
    // The title bars the page draws show the program's icon, as a desktop's do.
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon-32.png")));
}

void WebServices::setClipboardImage(const QImage &image)
{
    m_clipboard = image;
    const QByteArray png = pngOf(image);
    writeClipboardPng(png.constData(), static_cast<int>(png.size()));
}

QImage WebServices::clipboardImage() const
{
    return m_clipboard;
}

bool WebServices::printImage(const QImage &image, const PagePlacement &placement)
{
    QImage page((printableMillimetres * printDotsPerMillimetre).toSize(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(placement(QRectF(QPointF(0, 0), page.size())), image);
    painter.end();
    const QByteArray png = pngOf(page);
    return showPrintDialog(png.constData(), static_cast<int>(png.size()));
}

void WebServices::openUrl(const QString &target)
{
    const QUrl url = urlOf(target);
    openTarget(url.toString(QUrl::FullyEncoded).toUtf8().constData(), url.scheme() == QStringLiteral("mailto"));
}

QString WebServices::programFolder() const
{
    // The board pictures travel inside the program, under the resource prefix /program.
    return QStringLiteral(":/program");
}

QString WebServices::userDataFolder() const
{
    // A page has no folder of the user's own.
    return {};
}

void WebServices::endProgram()
{
    showEnded();
    QtServices::endProgram();
}
