#pragma once

#include "qtservices.h"

#include <QImage>

// The program in a web page: what the browser offers in place of the desktop's printer,
// clipboard, browser and mail program, and how a page ends. The rest is the toolkit's, as
// on the desktop.
class WebServices final : public QtServices
{
public:
    WebServices();

    void setClipboardImage(const QImage &image) override;
    QImage clipboardImage() const override;
    bool printImage(const QImage &image, const PagePlacement &placement) override;
    void openUrl(const QString &target) override;
    QString programFolder() const override;
    void fetchProgramFile(const QString &name, QObject *context, std::function<void()> ready) override;
    QString userDataFolder() const override;
    void endProgram() override;

private:
    // Reading the browser's clipboard asks the player for permission; the print button
    // needs only what this program put there.
    QImage m_clipboard;
};
