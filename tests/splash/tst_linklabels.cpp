#include "contacts.h"
#include "splashrun.h"

#include <QLabel>
#include <QTimer>

class TestLinkLabels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clickOpensTargetEachTimeAndKeepsSplash_data();
    void clickOpensTargetEachTimeAndKeepsSplash();
    void pointingHandOnlyOverTheLinks();
};

namespace {

QWidget *element(SplashRun &run, const QString &link, const QString &name)
{
    auto *control = run.splash()->findChild<QWidget *>(link);
    return control ? control->findChild<QWidget *>(name) : nullptr;
}

const QList<std::pair<QString, QString>> links{{QStringLiteral("LinkQuor3"), QStringLiteral("imgLogo")},
                                               {QStringLiteral("LinkQuor21"), QStringLiteral("Label1")},
                                               {QStringLiteral("MailBrasko2"), QStringLiteral("Label1")},
                                               {QStringLiteral("MailTeam1"), QStringLiteral("Label1")}};

} // namespace

void TestLinkLabels::clickOpensTargetEachTimeAndKeepsSplash_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("target");  // "mailto:" alone: followed by the address the label shows
    const QString web = Contacts::schoolWebHost.toString();
    QTest::newRow("LinkQuor3 logo: the bare web host") << links[0].first << links[0].second << web;
    QTest::newRow("LinkQuor21 school name: the same host") << links[1].first << links[1].second << web;
    QTest::newRow("MailBrasko2 teacher") << links[2].first << links[2].second << "mailto:";
    QTest::newRow("MailTeam1 team") << links[3].first << links[3].second << "mailto:";
}

// Every click on a link opens its target again; the splash window stays and keeps counting.
void TestLinkLabels::clickOpensTargetEachTimeAndKeepsSplash()
{
    QFETCH(QString, link);
    QFETCH(QString, element);
    QFETCH(QString, target);
    SplashRun run;
    QVERIFY(QTest::qWaitForWindowExposed(run.splash()));
    QWidget *clicked = ::element(run, link, element);
    QVERIFY(clicked);
    if (target == u"mailto:") {
        const QString shown = qobject_cast<QLabel *>(clicked)->text();
        QVERIFY(shown.contains(u'@'));
        target += shown;
    } else {
        QVERIFY(!target.isEmpty() && !target.contains(u':') && !target.contains(u'/'));
    }
    for (int click = 1; click <= 3; ++click) {
        run.clickOn(clicked);
        QVERIFY(run.stillOnSplash());
    }
    QCOMPARE(run.services.openedUrls, QStringList({target, target, target}));
    QVERIFY(run.splash()->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
}

// The pointing hand, with its hot spot at the fingertip, shows over the four links only.
void TestLinkLabels::pointingHandOnlyOverTheLinks()
{
    SplashRun run;
    for (const auto &[link, name] : links) {
        const QWidget *target = element(run, link, name);
        QVERIFY2(target, qPrintable(link));
        QCOMPARE(target->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(target->cursor().hotSpot(), QPoint(12, 1));
        QCOMPARE(target->cursor().pixmap().size(), QSize(32, 32));
    }
    for (const char *name : {"lblTitel", "lblQuor3", "Frame1", "LinkQuor1"})
        QCOMPARE(run.splash()->findChild<QWidget *>(QLatin1String(name))->cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(TestLinkLabels)
#include "tst_linklabels.moc"
