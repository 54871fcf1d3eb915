#include "fakeservices.h"

#include <QCoreApplication>

void FakeServices::messageBox(const QString &prompt, const QString &title)
{
    const Message message{title, prompt};
    messages.append(message);
    if (onMessage)
        onMessage(message);
}

bool FakeServices::printImage(const QImage &image, const PagePlacement &placement)
{
    if (!hasPrinter)
        return false;
    printed.append({image, printableArea, placement(printableArea)});
    return true;
}

void FakeServices::processPendingEvents()
{
    ++pendingEventRuns;
    QCoreApplication::processEvents();
}
