#include "fakeservices.h"

#include <QCoreApplication>

void FakeServices::messageBox(const QString &prompt, const QString &title)
{
    const Message message{title, prompt};
    messages.append(message);
    if (onMessage)
        onMessage(message);
}

void FakeServices::setClipboardImage(const QImage &image)
{
    clipboard = image;
}

QImage FakeServices::clipboardImage() const
{
    return clipboard;
}

bool FakeServices::printImage(const QImage &image, const PagePlacement &placement)
{
    if (!hasPrinter)
        return false;
    printed.append({image, printableArea, placement(printableArea)});
    return true;
}

void FakeServices::openUrl(const QString &target)
{
    openedUrls.append(target);
}

QString FakeServices::todayShortDate() const
{
    return date;
}

double FakeServices::random()
{
    return randomSource();
}

QString FakeServices::programFolder() const
{
    return folder;
}

QString FakeServices::programTitle() const
{
    return QStringLiteral("Zorbel");
}

ProgramVersion FakeServices::programVersion() const
{
    return version;
}

void FakeServices::processPendingEvents()
{
    ++pendingEventRuns;
    QCoreApplication::processEvents();
}

void FakeServices::endProgram()
{
    ended = true;
}
