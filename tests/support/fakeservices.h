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
    void setClipboardImage(const QImage &image) override { clipboard = image; }
    QImage clipboardImage() const override { return clipboard; }
    bool printImage(const QImage &image, const PagePlacement &placement) override;
    void openUrl(const QString &target) override { openedUrls.append(target); }
    QString todayShortDate() const override { return date; }
    double random() override { return randomSource(); }
    QString programFolder() const override { return folder; }
    QString userDataFolder() const override { return dataFolder; }
    QString programTitle() const override { return QStringLiteral("Zorbel"); }
    ProgramVersion programVersion() const override { return version; }
    void processPendingEvents() override;
    void endProgram() override { ended = true; }

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
