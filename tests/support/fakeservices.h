#pragma once

#include "scriptedrandom.h"
#include "services.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Records what the windows ask of the toolkit and answers from a script.
class FakeServices final : public Services
{
public:
    struct Message
    {
        QString title;
        QString prompt;
    };
    struct PrintedPage
    {
        QImage image;
        QRectF printable;
        QRectF target;
    };

    void messageBox(const QString &prompt, const QString &title) override;
    void setClipboardImage(const QImage &image) override;
    QImage clipboardImage() const override;
    bool printImage(const QImage &image, const PagePlacement &placement) override;
    void openUrl(const QString &target) override;
    QString todayShortDate() const override;
    double random() override;
    QString programFolder() const override;
    QString userDataFolder() const override { return dataFolder; }
    QString programTitle() const override;
    ProgramVersion programVersion() const override;
    void processPendingEvents() override;
    void endProgram() override;

    // Scripted answers.
    QString date = QStringLiteral("06.12.2026");
    QString folder;  // empty: a folder without pictures
    QString dataFolder;  // the user's; empty: none
    ProgramVersion version{1, 3, 37};
    bool hasPrinter = true;
    QRectF printableArea{0, 0, 4760, 6779};  // A4 portrait at 600 dpi, less margins
    // What random() hands out: its script first, then its own seeded values.
    ScriptedRandom randomSource{20261206};
    // Runs while a message box is "open", before it is dismissed.
    std::function<void(const Message &)> onMessage;

    // What was asked.
    QList<Message> messages;
    QList<PrintedPage> printed;
    QStringList openedUrls;
    QImage clipboard;
    int pendingEventRuns = 0;
    bool ended = false;
};
