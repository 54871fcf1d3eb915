#include "contacts.h"
#include "fakeservices.h"
#include "geometry.h"
#include "player.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace {

// A run of the program that has just started on the splash window.
struct SplashRun
{
    FakeServices services;
    Forms forms{services};

    SplashRun() { forms.frmSplash().Show(); }
    FormWindow *splash() { return forms.frmSplash().window(); }
    QWidget *part(const QString &name) { return name == u"frmSplash" ? splash() : splash()->findChild<QWidget *>(name); }
    QTimer *timer() { return splash()->findChild<QTimer *>(QStringLiteral("Timer1")); }
    bool leftToSelection() { return !forms.frmSplash().isLoaded() && forms.frmAuswahl().isVisible(); }
    bool stillOnSplash() { return forms.frmSplash().isVisible() && !forms.frmAuswahl().isLoaded() && timer()->isActive(); }
    QString text(const char *label) { return splash()->findChild<QLabel *>(QLatin1String(label))->text(); }

    // The click of a player: it goes to whatever the window shows at a point of this part.
    void clickOn(QWidget *part)
    {
        for (int y = 1; y < part->height() - 1; ++y) {
            for (int x = 1; x < part->width() - 1; ++x) {
                const QPoint point = part->mapTo(splash(), QPoint(x, y));
                QWidget *hit = splash()->childAt(point);
                if (hit == part || (part == splash() && hit == nullptr))
                    return QTest::mouseClick(splash()->windowHandle(), Qt::LeftButton, {}, point);
            }
        }
        QFAIL(qPrintable(part->objectName() + QStringLiteral(" lies hidden")));
    }
};

} // namespace

class TestSplash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void timerLeadsOnAfterOneMinute();
    void anyKeyLeadsOn();
    void clickOnAPart_data();
    void clickOnAPart();
    void linkOpensItsTargetEachTime_data();
    void linkOpensItsTargetEachTime();
    void splashLooksAsDesigned();
    void instructionsRead();
};

// Without any input the one-minute timer leads on to the selection window.
void TestSplash::timerLeadsOnAfterOneMinute()
{
    SplashRun run;
    QPointer<QTimer> timer = run.timer();
    QVERIFY(run.stillOnSplash());
    QCOMPARE(timer->interval(), 60000);
    timer->setInterval(0);
    QTRY_VERIFY(run.leftToSelection());
    QVERIFY(!timer || !timer->isActive());
}

// Every key leads on, whichever control holds the focus.
void TestSplash::anyKeyLeadsOn()
{
    for (const auto &[key, focus] : {std::pair{Qt::Key_A, "frmSplash"}, {Qt::Key_7, "lblTitel"}, {Qt::Key_Space, "MailBrasko1"},
                                     {Qt::Key_Enter, "LinkQuor21"}, {Qt::Key_Escape, "MailTeam1"}}) {
        SplashRun run;
        run.part(QLatin1String(focus))->setFocus();
        QTest::keyClick(run.part(QLatin1String(focus)), key);
        QVERIFY2(run.leftToSelection(), focus);
    }
}

void TestSplash::clickOnAPart_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<bool>("leadsOn");
    for (const char *part : {"frmSplash", "Frame1", "Image1", "lblAutoren", "lblQuor2", "lblQuor3", "lblErklaerung",
                             "lblTeam", "lblTeamnamen", "lblTitel", "lblversion"})
        QTest::newRow(part) << part << true;
    for (const char *box : {"MailBrasko1", "LinkQuor1", "LinkQuor2"})
        QTest::addRow("%s: the empty part of a link's picture box", box) << box << false;
}

// A click on the window, its frame, the sum picture or a label leads on and stops the timer; one on a link's
// picture box beside the link does nothing. None of them shows the pointing hand.
void TestSplash::clickOnAPart()
{
    QFETCH(QString, part);
    QFETCH(bool, leadsOn);
    SplashRun run;
    QVERIFY(QTest::qWaitForWindowExposed(run.splash()));
    QPointer<QTimer> timer = run.timer();
    QCOMPARE(run.part(part)->cursor().shape(), Qt::ArrowCursor);
    run.clickOn(run.part(part));
    QCOMPARE(run.leftToSelection(), leadsOn);
    QCOMPARE(run.stillOnSplash(), !leadsOn);
    QCOMPARE(timer && timer->isActive(), !leadsOn);
    QVERIFY(run.services.openedUrls.isEmpty());
}

void TestSplash::linkOpensItsTargetEachTime_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("target");  // "mailto:" alone: followed by the address the label shows
    const QString web = Contacts::schoolWebHost.toString();
    QTest::newRow("LinkQuor3 logo: the bare web host") << "LinkQuor3" << "imgLogo" << web;
    QTest::newRow("LinkQuor21 school name: the same host") << "LinkQuor21" << "Label1" << web;
    QTest::newRow("MailBrasko2 teacher") << "MailBrasko2" << "Label1" << "mailto:";
    QTest::newRow("MailTeam1 team") << "MailTeam1" << "Label1" << "mailto:";
}

// Every click on a link opens its target again, and the splash window stays and keeps counting.
// The link shows the pointing hand, its hot spot at the fingertip.
void TestSplash::linkOpensItsTargetEachTime()
{
    QFETCH(QString, link);
    QFETCH(QString, element);
    QFETCH(QString, target);
    SplashRun run;
    QVERIFY(QTest::qWaitForWindowExposed(run.splash()));
    auto *clicked = run.part(link)->findChild<QLabel *>(element);
    if (target == u"mailto:")
        target += clicked->text();
    run.clickOn(clicked);
    run.clickOn(clicked);
    QVERIFY(run.stillOnSplash());
    QCOMPARE(run.services.openedUrls, QStringList({target, target}));
    QCOMPARE(clicked->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(clicked->cursor().hotSpot(), QPoint(12, 1));
}

// Untitled, with the program's icon once painted; the version without leading zeros; labels in "Comic Sans MS", 9.75 pt regular but for title, version and team;
// each carriage return of a composed text one new line; title and description centred by their design widths.
void TestSplash::splashLooksAsDesigned()
{
    SplashRun run;
    QCOMPARE(run.splash()->windowTitle(), QString());
    QVERIFY(QTest::qWaitForWindowExposed(run.splash()));
    QTRY_VERIFY2(run.splash()->windowIcon().availableSizes().contains(QSize(16, 16)), "no icon after the first paint");
    QVERIFY(run.splash()->windowIcon().availableSizes().contains(QSize(64, 64)));
    for (QLabel *label : run.splash()->findChild<QWidget *>(QStringLiteral("Frame1"))->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        const QString name = label->objectName();
        const double size = name == u"lblTitel" ? 39.75 : name == u"lblversion" || name == u"lblTeam" ? 20.25 : 9.75;
        QVERIFY2(label->font().family() == QLatin1String("Comic Sans MS") && label->font().pointSizeF() == size && label->font().bold() == (name == u"lblTeam")
                     && (name == u"Image1") == label->text().isEmpty() && !label->text().contains(u'\r'), qPrintable(name));
    }
    QCOMPARE(run.text("lblversion"), QStringLiteral("Version 1.3.37"));  // the fake's version 1, 3, 37
    QCOMPARE(run.text("lblTeamnamen").count(u'\n'), 3);
    for (const auto &[name, widthTwips] : {std::pair{"lblTitel", 6855}, std::pair{"lblErklaerung", 6135}}) {
        const QWidget *control = run.part(QLatin1String(name));
        QCOMPARE(control->width(), twipsToPixels(widthTwips));
        QCOMPARE(control->x(), (run.splash()->width() - control->width()) / 2);
    }
}

// The instructions window, untitled-looking ("Form1", no icon), shows its text as plain wrapped text, paragraph by paragraph.
void TestSplash::instructionsRead()
{
    FakeServices services;
    Forms forms(services);
    FormWindow *window = Player::open(forms, QStringLiteral("frmAnleitung"));
    QVERIFY(window->windowTitle() == QLatin1String("Form1") && window->windowIcon().isNull());
    QCOMPARE(window->grab().toImage().pixelColor(2, 2), QColor(128, 128, 255));
    const auto *label = window->findChild<QLabel *>(QStringLiteral("lblAnleitung"));
    QVERIFY(label->wordWrap() && label->textFormat() == Qt::PlainText);
    QCOMPARE(label->text().split(QStringLiteral("\n\n")).size(), 7);
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
