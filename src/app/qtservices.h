#pragma once

#include "services.h"

#include <QRandomGenerator>
#include <QUrl>

class QtServices : public Services
{
public:
    QtServices();

    void messageBox(const QString &prompt, const QString &title) override;
    void setClipboardImage(const QImage &image) override;
    QImage clipboardImage() const override;
    bool printImage(const QImage &image, const PagePlacement &placement) override;
    void openUrl(const QString &target) override;
    QString todayShortDate() const override;
    double random() override;
    QString programFolder() const override;
    QString userDataFolder() const override;
    QString programTitle() const override;
    ProgramVersion programVersion() const override;
    void processPendingEvents() override;
    void endProgram() override;

protected:
    // A target without a scheme is a bare host name and means a web page.
    static QUrl urlOf(const QString &target);

private:
    QRandomGenerator m_random;
};
