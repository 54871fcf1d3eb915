#include "splashrun.h"

#include <QLabel>
#include <QTimer>

class TestLinkLabels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clickOpensTargetEachTimeAndKeepsSplash_data();
    void clickOpensTargetEachTimeAndKeepsSplash();
    void logoAndSchoolNameOpenTheSameWebAddress();
    void mailLabelsOpenTheAddressTheyShow_data();
    void mailLabelsOpenTheAddressTheyShow();
    void pointingHandOnlyOverTheLinks();
};

namespace {

QWidget *element(SplashRun &run, const QString &link, const QString &name)
{
    auto *control = run.splash()->findChild<QWidget *>(link);
    return control ? control->findChild<QWidget *>(name) : nullptr;
}

void addLinkRows()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("element");
    QTest::newRow("LinkQuor3 logo") << QStringLiteral("LinkQuor3") << QStringLiteral("imgLogo");
    QTest::newRow("LinkQuor21 school name") << QStringLiteral("LinkQuor21") << QStringLiteral("Label1");
    QTest::newRow("MailBrasko2 teacher") << QStringLiteral("MailBrasko2") << QStringLiteral("Label1");
    QTest::newRow("MailTeam1 team") << QStringLiteral("MailTeam1") << QStringLiteral("Label1");
}

} // namespace

void TestLinkLabels::clickOpensTargetEachTimeAndKeepsSplash_data()
{
    addLinkRows();
}

// Every click on a link opens its target again; the splash window stays and keeps counting.
void TestLinkLabels::clickOpensTargetEachTimeAndKeepsSplash()
{
    QFETCH(QString, link);
    QFETCH(QString, element);
    SplashRun run;
    QVERIFY(QTest::qWaitForWindowExposed(run.splash()));
    QWidget *target = ::element(run, link, element);
    QVERIFY(target);

    for (int click = 1; click <= 3; ++click) {
        run.clickOn(target);
        QCOMPARE(run.services.openedUrls.size(), click);
        QVERIFY(run.stillOnSplash());
    }
    QCOMPARE(run.services.openedUrls.count(run.services.openedUrls.first()), 3);
    QVERIFY(run.splash()->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
}

// The logo and the school's name lead to one web address, given as a bare host name.
void TestLinkLabels::logoAndSchoolNameOpenTheSameWebAddress()
{
    SplashRun run;
    QVERIFY(QTest::qWaitForWindowExposed(run.splash()));
    run.clickOn(element(run, QStringLiteral("LinkQuor3"), QStringLiteral("imgLogo")));
    run.clickOn(element(run, QStringLiteral("LinkQuor21"), QStringLiteral("Label1")));

    QCOMPARE(run.services.openedUrls.size(), 2);
    QCOMPARE(run.services.openedUrls[0], run.services.openedUrls[1]);
    const QString host = run.services.openedUrls[0];
    QVERIFY(!host.isEmpty());
    QVERIFY2(!host.contains(QLatin1Char(':')) && !host.contains(QLatin1Char('/')), qPrintable(host));
}

void TestLinkLabels::mailLabelsOpenTheAddressTheyShow_data()
{
    QTest::addColumn<QString>("link");
    QTest::newRow("MailBrasko2 teacher") << QStringLiteral("MailBrasko2");
    QTest::newRow("MailTeam1 team") << QStringLiteral("MailTeam1");
}

// A mail label opens "mailto:" directly followed by the address it shows.
void TestLinkLabels::mailLabelsOpenTheAddressTheyShow()
{
    QFETCH(QString, link);
    SplashRun run;
    QVERIFY(QTest::qWaitForWindowExposed(run.splash()));
    auto *label = qobject_cast<QLabel *>(element(run, link, QStringLiteral("Label1")));
    QVERIFY(label);
    QVERIFY(label->text().contains(QLatin1Char('@')));

    run.clickOn(label);
    QCOMPARE(run.services.openedUrls, QStringList{QStringLiteral("mailto:") + label->text()});
}

// The pointing hand, with its hot spot at the fingertip, shows over the four links only.
void TestLinkLabels::pointingHandOnlyOverTheLinks()
{
    SplashRun run;
    for (const auto &[link, name] : {std::pair{"LinkQuor3", "imgLogo"}, std::pair{"LinkQuor21", "Label1"},
                                     std::pair{"MailBrasko2", "Label1"}, std::pair{"MailTeam1", "Label1"}}) {
        const QWidget *target = element(run, QLatin1String(link), QLatin1String(name));
        QVERIFY2(target, link);
        const QCursor cursor = target->cursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
    }
    for (const char *name : {"lblTitel", "lblQuor3", "Frame1", "LinkQuor1"})
        QCOMPARE(run.splash()->findChild<QWidget *>(QLatin1String(name))->cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(TestLinkLabels)
#include "tst_linklabels.moc"
