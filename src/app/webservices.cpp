#include "webservices.h"

#include "look.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QInputMethodQueryEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <emscripten.h>
#include <emscripten/fetch.h>

#include <cstring>
#include <memory>

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
// element the windows are drawn in.
EM_JS(void, showEnded, (), {
    const ended = document.getElementById('zorbel-ended');
    const screen = document.getElementById('zorbel-screen');
    if (!ended || !screen)
        return;
    screen.hidden = true;
    ended.hidden = false;
    document.documentElement.dataset.zorbel = 'ended';
});

// A text box types through the element that stands for it to screen readers; any other control
// has Qt's hidden field of its own take the page's focus, and a phone opens its keyboard for that
// field unless the field asks for none. So it asks for a keyboard only while a text box has the focus.
EM_JS(void, offerKeyboard, (bool typing), {
    const field = [...document.body.children].find((element) => 'data-qinputcontext' in element);
    if (field)
        field.inputMode = typing ? 'text' : 'none';
});

bool acceptsText(QObject *object)
{
    if (!object)
        return false;
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(object, &query);
    return query.value(Qt::ImEnabled).toBool();
}

// Qt's page gives a window the maximise box it asks for, and maximising stretches it over the
// page; a window of fixed size has none on the desktop.
class FixedSizeWithoutMaximise final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            const auto *widget = static_cast<QWidget *>(watched);
            if (widget->isWindow() && widget->windowHandle() && widget->minimumSize() == widget->maximumSize())
                widget->windowHandle()->setFlag(Qt::WindowMaximizeButtonHint, false);
        }
        return QObject::eventFilter(watched, event);
    }
};

// A phone turned over gives the page another shape: a window that the page would now cut off
// (its title bar or its client area; the certificate's frame lies beyond the page's left edge,
// as on the desktop) moves to the middle of the page, where the program opens most of them.
void keepWindowsOnScreen(const QRect &screen)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        const QRect client = window->geometry();
        QRect shown(QPoint(client.left(), window->frameGeometry().top()), client.bottomRight());
        if (!window->isVisible() || screen.contains(shown))
            continue;
        const QPoint from = shown.topLeft();
        shown.moveCenter(screen.center());
        window->move(window->pos() + shown.topLeft() - from);
    }
}

// The page's own files that the program has fetched from beside the page, in the browser's
// memory under the same names.
const QString fetchedFolder = QStringLiteral("/zorbel");

// A program file on its way from the page's server.
struct ProgramFileFetch
{
    QString file;
    QPointer<QObject> context;
    std::function<void()> ready;
};

// The browser answers outside the toolkit's event loop: the file goes into memory at once, and
// `ready` runs from the event loop, where it may touch the windows.
void programFileFetched(emscripten_fetch_t *fetch)
{
    const std::unique_ptr<ProgramFileFetch> request(static_cast<ProgramFileFetch *>(fetch->userData));
    if (fetch->status == 200 && QDir().mkpath(QFileInfo(request->file).path())) {
        QFile file(request->file);
        if (file.open(QIODevice::WriteOnly))
            file.write(fetch->data, static_cast<qint64>(fetch->numBytes));
    }
    emscripten_fetch_close(fetch);
    if (request->context)
        QTimer::singleShot(0, request->context, std::move(request->ready));
}

} // namespace

WebServices::WebServices()
{
    // A page has none of the system's fonts: the program carries Comic Neue and names it as
    // the face every text asks for, as fontconfig does on the desktop.
    for (const char *face : {":/fonts/ComicNeue-Regular.otf", ":/fonts/ComicNeue-Bold.otf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(face));
    QFont::insertSubstitution(QString::fromLatin1(Look::fontFamily), QStringLiteral("Comic Neue"));
    // The toolkit's own face, of the message boxes and of letters Comic Neue lacks, is needed
    // only later: it comes as a file of its own, so that the first window need not wait for it.
    const QString toolkitFace = QStringLiteral("DejaVuSans.ttf");
    fetchProgramFile(toolkitFace, qApp, [file = QDir(fetchedFolder).filePath(toolkitFace)] {
        QFontDatabase::addApplicationFont(file);
    });
    // The title bars the page draws show the program's icon, as a desktop's do.
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon-32.png")));
    QObject::connect(qApp, &QGuiApplication::focusObjectChanged, qApp, [](QObject *object) { offerKeyboard(acceptsText(object)); });
    qApp->installEventFilter(new FixedSizeWithoutMaximise(qApp));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        QObject::connect(screen, &QScreen::geometryChanged, qApp, &keepWindowsOnScreen);
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
    return fetchedFolder;
}

void WebServices::fetchProgramFile(const QString &name, QObject *context, std::function<void()> ready)
{
    const QString file = QDir(fetchedFolder).filePath(name);
    if (QFileInfo::exists(file)) {
        ready();
        return;
    }
    // Beside the page, where the browser's cache (the page's service worker) answers offline.
    emscripten_fetch_attr_t attributes;
    emscripten_fetch_attr_init(&attributes);
    std::strcpy(attributes.requestMethod, "GET");
    attributes.attributes = EMSCRIPTEN_FETCH_LOAD_TO_MEMORY;
    attributes.onsuccess = programFileFetched;
    attributes.onerror = programFileFetched;
    attributes.userData = new ProgramFileFetch{file, context, std::move(ready)};
    emscripten_fetch(&attributes, name.toUtf8().constData());
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
