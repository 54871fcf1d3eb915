#include "boardpicture.h"
#include "qtservices.h"

#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// What the real services hand to the system, and where the board pictures are looked for.
class TestQtServices : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void receiveUrl(const QUrl &url) { m_opened.append(url); }

private Q_SLOTS:
    void dateInTheUsersShortFormWithFourDigitYear();
    void bareHostOpensAsWebPage();
    void ownPictureFirstThenTheProgramsOne_data();
    void ownPictureFirstThenTheProgramsOne();
    void relativeDataHomeIsIgnored();

private:
    QList<QUrl> m_opened;
};

// German settings write the day first, with dots, and the certificate wants all four year digits.
void TestQtServices::dateInTheUsersShortFormWithFourDigitYear()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    QCOMPARE(QtServices().todayShortDate(), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
}

// A bare host name opens as a web page; a "mailto:" target goes to the mail program as it is.
void TestQtServices::bareHostOpensAsWebPage()
{
    for (const char *scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "receiveUrl");
    QtServices().openUrl(QStringLiteral("www.example.org"));
    QtServices().openUrl(QStringLiteral("mailto:team@example.net"));
    QCOMPARE(m_opened, (QList<QUrl>{QUrl(QStringLiteral("http://www.example.org")), QUrl(QStringLiteral("mailto:team@example.net"))}));
}

void TestQtServices::ownPictureFirstThenTheProgramsOne_data()
{
    QTest::addColumn<QString>("own");        // the user's picture7.jpg: a colour, "broken" or none
    QTest::addColumn<QString>("installed");  // the program's
    QTest::addColumn<QString>("shown");      // the colour decoded; none: the board keeps its default
    QTest::newRow("own picture wins") << "red" << "blue" << "red";
    QTest::newRow("no own picture") << "" << "blue" << "blue";
    QTest::newRow("broken own falls back") << "broken" << "blue" << "blue";
    QTest::newRow("both broken: default") << "broken" << "broken" << "";
}

// The user's own pictures lie in $XDG_DATA_HOME/zorbel/Bilder, on Windows in %LOCALAPPDATA%\zorbel\Bilder.
void TestQtServices::ownPictureFirstThenTheProgramsOne()
{
    QFETCH(QString, own);
    QFETCH(QString, installed);
    QFETCH(QString, shown);
    QTemporaryDir program;
#ifdef Q_OS_WIN
    // Windows names the folder itself; Qt's test mode moves it aside, to qttest in it.
    QStandardPaths::setTestModeEnabled(true);
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const auto tidy = qScopeGuard([&] { QDir(dataHome + QStringLiteral("/zorbel")).removeRecursively(); });
#else
    QTemporaryDir data;
    const QString dataHome = data.path();
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
#endif
    for (const auto &[folder, kind] : {std::pair(dataHome + QStringLiteral("/zorbel"), own), std::pair(program.path(), installed)}) {
        QFile file(folder + QStringLiteral("/Bilder/picture7.jpg"));
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(QColor(kind));
        QVERIFY(kind.isEmpty() || (QDir().mkpath(folder + QStringLiteral("/Bilder")) && file.open(QIODevice::WriteOnly)
                                   && (kind == u"broken" || picture.save(&file, "JPEG"))));
    }
    const QImage picture = BoardPictureLoad(boardPicturePaths(QtServices().userDataFolder(), program.path(), 7), {8, 8}).picture();
    QCOMPARE(picture.isNull() ? QString() : QColor(picture.pixel(4, 4)).red() > 128 ? QStringLiteral("red") : QStringLiteral("blue"), shown);
}

// A relative XDG_DATA_HOME is invalid: the default folder stands, not one below the working directory.
void TestQtServices::relativeDataHomeIsIgnored()
{
#ifdef Q_OS_WIN
    QSKIP("Windows names the data folder itself; XDG_DATA_HOME plays no part there.");
#endif
    qputenv("XDG_DATA_HOME", "rel");
    QCOMPARE(QtServices().userDataFolder(), QDir::homePath() + QStringLiteral("/.local/share/zorbel"));
}

QTEST_MAIN(TestQtServices)
#include "tst_qtservices.moc"
