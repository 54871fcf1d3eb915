#include "geometry.h"
#include "splashrun.h"

#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QTimer>

class TestFrmSplash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void timerLeadsOnAfterOneMinute();
    void anyKeyLeadsOn_data();
    void anyKeyLeadsOn();
    void clickOnAPartLeadsOn_data();
    void clickOnAPartLeadsOn();
    void clickOnAnEmptyPictureBoxDoesNothing_data();
    void clickOnAnEmptyPictureBoxDoesNothing();
    void versionHasNoLeadingZeros_data();
    void versionHasNoLeadingZeros();
    void labelsShowTheirTextsInTheirFonts_data();
    void labelsShowTheirTextsInTheirFonts();
    void composedTextsAndCentring();
    void windowCarriesTheProgramIcon();
};

// Without any input the one-minute timer leads on to the selection window.
void TestFrmSplash::timerLeadsOnAfterOneMinute()
{
    SplashRun run;
    QPointer<QTimer> timer = run.splash()->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 60000);
    QVERIFY(!run.forms.frmAuswahl().isLoaded());

    timer->setInterval(0);
    QTRY_VERIFY(run.leftToSelection());
    QVERIFY(!timer || !timer->isActive());
}

void TestFrmSplash::anyKeyLeadsOn_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus");
    QTest::newRow("letter, window focused") << int(Qt::Key_A) << QStringLiteral("frmSplash");
    QTest::newRow("letter on a label") << int(Qt::Key_Z) << QStringLiteral("lblTitel");
    QTest::newRow("digit on a picture box") << int(Qt::Key_7) << QStringLiteral("MailBrasko1");
    QTest::newRow("space on the frame") << int(Qt::Key_Space) << QStringLiteral("Frame1");
    QTest::newRow("enter on a link label") << int(Qt::Key_Enter) << QStringLiteral("LinkQuor21");
    QTest::newRow("return on the logo") << int(Qt::Key_Return) << QStringLiteral("imgLogo");
    QTest::newRow("escape on the team mail") << int(Qt::Key_Escape) << QStringLiteral("MailTeam1");
}

// Every key leads on, whichever control holds the focus.
void TestFrmSplash::anyKeyLeadsOn()
{
    QFETCH(int, key);
    QFETCH(QString, focus);
    SplashRun run;
    QWidget *holder = focus == QLatin1String("frmSplash") ? run.splash() : run.splash()->findChild<QWidget *>(focus);
    QVERIFY(holder);
    holder->setFocus();

    QTest::keyClick(holder, Qt::Key(key));
    QVERIFY(run.leftToSelection());
}

void TestFrmSplash::clickOnAPartLeadsOn_data()
{
    QTest::addColumn<QString>("part");
    for (const char *part : {"frmSplash", "Frame1", "Image1", "lblAutoren", "lblQuor2", "lblQuor3", "lblErklaerung",
                             "lblTeam", "lblTeamnamen", "lblTitel", "lblversion"})
        QTest::newRow(part) << QString::fromLatin1(part);
}

// A click on the window, its frame, the sum picture or any of its labels leads on and stops the timer.
void TestFrmSplash::clickOnAPartLeadsOn()
{
    QFETCH(QString, part);
    SplashRun run;
    FormWindow *splash = run.splash();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QWidget *target = part == QLatin1String("frmSplash") ? splash : splash->findChild<QWidget *>(part);
    QVERIFY(target);
    QPointer<QTimer> timer = splash->findChild<QTimer *>(QStringLiteral("Timer1"));

    run.clickOn(target);
    QVERIFY(run.leftToSelection());
    QVERIFY(!timer || !timer->isActive());
    QVERIFY(run.services.openedUrls.isEmpty());
}

void TestFrmSplash::clickOnAnEmptyPictureBoxDoesNothing_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("MailBrasko1") << QStringLiteral("MailBrasko1");
    QTest::newRow("LinkQuor1") << QStringLiteral("LinkQuor1");
    QTest::newRow("LinkQuor2") << QStringLiteral("LinkQuor2");
}

// The picture boxes have no click of their own, and a click there does not reach the window.
void TestFrmSplash::clickOnAnEmptyPictureBoxDoesNothing()
{
    QFETCH(QString, box);
    SplashRun run;
    QVERIFY(QTest::qWaitForWindowExposed(run.splash()));
    auto *target = run.splash()->findChild<QWidget *>(box);
    QVERIFY(target);

    run.clickOn(target);
    QVERIFY(run.stillOnSplash());
    QVERIFY(run.services.openedUrls.isEmpty());
    QVERIFY(run.splash()->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
}

void TestFrmSplash::versionHasNoLeadingZeros_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("shown");
    QTest::newRow("1.3 revision 37") << 1 << 3 << 37 << QStringLiteral("Version 1.3.37");
    QTest::newRow("all zero but major") << 2 << 0 << 0 << QStringLiteral("Version 2.0.0");
    QTest::newRow("several digits") << 10 << 12 << 1005 << QStringLiteral("Version 10.12.1005");
}

// The version reads "Version major.minor.revision", each number without leading zeros.
void TestFrmSplash::versionHasNoLeadingZeros()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, shown);
    FakeServices services;
    services.version = {major, minor, revision};
    Forms forms(services);
    forms.frmSplash().Show();
    QCOMPARE(forms.frmSplash().window()->findChild<QLabel *>(QStringLiteral("lblversion"))->text(), shown);
}

void TestFrmSplash::labelsShowTheirTextsInTheirFonts_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::newRow("lblTitel") << "lblTitel" << 39.75 << false;
    QTest::newRow("lblversion") << "lblversion" << 20.25 << false;
    QTest::newRow("lblTeam") << "lblTeam" << 20.25 << true;
    for (const char *label : {"lblQuor3", "lblErklaerung", "lblAutoren", "lblQuor2", "lblTeamnamen"})
        QTest::newRow(label) << label << 9.75 << false;
}

// Every label shows text in "Comic Sans MS", 9.75 pt regular unless it is the title, version or team name.
void TestFrmSplash::labelsShowTheirTextsInTheirFonts()
{
    QFETCH(QString, label);
    QFETCH(double, pointSize);
    QFETCH(bool, bold);
    SplashRun run;
    auto *control = run.splash()->findChild<QLabel *>(label);
    QVERIFY(control);
    QVERIFY(!control->text().isEmpty());
    QCOMPARE(control->font().family(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(control->font().pointSizeF(), pointSize);
    QCOMPARE(control->font().bold(), bold);
}

// Title and team name read as designed; each carriage return of a composed text shows as
// exactly one new line; title and description are centred by their design widths.
void TestFrmSplash::composedTextsAndCentring()
{
    SplashRun run;
    const auto lines = [&run](const char *name) {
        return run.splash()->findChild<QLabel *>(QLatin1String(name))->text().split(u'\n');
    };
    QCOMPARE(lines("lblTitel"), QStringList{QStringLiteral("Zorbel")});
    QCOMPARE(lines("lblTeam"), QStringList{QStringLiteral("Team Zorbel")});
    QCOMPARE(lines("lblErklaerung").mid(1), QStringList({QString(), QStringLiteral("1. - 4. Schuljahr")}));
    QVERIFY(!lines("lblErklaerung")[0].isEmpty());
    QCOMPARE(lines("lblQuor2").size(), 3);
    QVERIFY(lines("lblQuor2")[2].startsWith(QStringLiteral("z. Hd. ")));
    QCOMPARE(lines("lblTeamnamen").size(), 4);
    QVERIFY(!lines("lblTeamnamen").contains(QString()));
    // The second line of the credits ends in the blanks that the school's name lies over.
    QCOMPARE(lines("lblAutoren").size(), 2);
    QVERIFY(lines("lblAutoren")[1].endsWith(QStringLiteral("   .")));
    for (const char *name : {"lblErklaerung", "lblQuor2", "lblTeamnamen", "lblAutoren"})
        QVERIFY2(!lines(name).join(u' ').contains(u'\r'), name);

    for (const auto &[name, widthTwips] : {std::pair{"lblTitel", 6855}, std::pair{"lblErklaerung", 6135}}) {
        const auto *control = run.splash()->findChild<QLabel *>(QLatin1String(name));
        QCOMPARE(control->width(), twipsToPixels(widthTwips));
        QCOMPARE(control->x(), (run.splash()->width() - control->width()) / 2);
    }
}

// The title bar and task bar show the program's icon, in the sizes the desktop asks for.
void TestFrmSplash::windowCarriesTheProgramIcon()
{
    SplashRun run;
    const QIcon icon = run.splash()->windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(64, 64)));
    QCOMPARE(run.splash()->windowTitle(), QString());
}

QTEST_MAIN(TestFrmSplash)
#include "tst_frmsplash.moc"
