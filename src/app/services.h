#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <QtGlobal>

#include <functional>

class QObject;

struct ProgramVersion
{
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// Maps the printer's printable area (origin at its top-left, in device units)
// to the rectangle the picture is stretched into.
using PagePlacement = std::function<QRectF(const QRectF &printable)>;

// Everything the windows take from the toolkit and the system goes through here,
// so that tests can swap in a fake that records and scripts it.
class Services
{
public:
    virtual ~Services() = default;

    // Modal box with the prompt, one OK button, the title and no icon;
    // returns when the player has dismissed it.
    virtual void messageBox(const QString &prompt, const QString &title) = 0;

    virtual void setClipboardImage(const QImage &image) = 0;
    // A null image when the clipboard holds no picture.
    virtual QImage clipboardImage() const = 0;

    // Prints the image on one page of the default printer as the job "Urkunde" (the
    // certificate is all the program prints) and ends the document.
    // Returns false when there is no printer or the page could not be printed.
    virtual bool printImage(const QImage &image, const PagePlacement &placement) = 0;

    // A bare host name opens as a web page, "mailto:" plus an address opens
    // the mail program. Failures are ignored.
    virtual void openUrl(const QString &target) = 0;

    // Today's date in the user's short regional form, always with a four-digit year.
    virtual QString todayShortDate() const = 0;

    // A uniform value r with 0 <= r < 1 from a source seeded once from the clock.
    virtual double random() = 0;

    virtual QString programFolder() const = 0;
    // Runs `ready` once the program's file `name` (relative to programFolder()) can be read,
    // unless `context` is gone by then. A program's files lie beside it, so they are ready at
    // once; a web page fetches them from its server first. A file that cannot be had is ready
    // too, and missing.
    virtual void fetchProgramFile(const QString &name, QObject *context, std::function<void()> ready)
    {
        Q_UNUSED(name);
        Q_UNUSED(context);
        ready();
    }
    // The user's own data folder; its Bilder hold pictures that take the place of the
    // program's own. Empty when there is none.
    virtual QString userDataFolder() const = 0;
    virtual QString programTitle() const = 0;
    virtual ProgramVersion programVersion() const = 0;

    virtual void processPendingEvents() = 0;

    // Leaves the event loop; the caller has already closed every window.
    virtual void endProgram() = 0;
};
