// Renders every window of the program in its key states into PNG files, driving the
// real windows by clicks and keys through the services fake (date 06.12.2026).
//
//   xvfb-run -a -s '-screen 0 1280x1024x24' build/tools/snapshots/zorbel_snapshots build/src shots
//
// The first argument is the folder of the built program, which holds the board pictures
// in Bilder; the second is where the PNGs go. QT_QPA_PLATFORM=offscreen works as well.

#include "boardlayout.h"
#include "boardwindow.h"
#include "fakeservices.h"
#include "forms.h"
#include "frmanleitung.h"
#include "frmauswahl.h"
#include "frmdrucken.h"
#include "frmsplash.h"
#include "frmurkunde.h"
#include "frmweiter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QPair>
#include <QTest>
#include <QVariant>

#include <algorithm>
#include <cstdio>

namespace {

using zorbel::BoardId;

class Snapshots
{
public:
    Snapshots(FakeServices &services, const QString &outDir)
        : m_forms(services)
        , m_services(services)
        , m_out(outDir)
    {
    }

    int run();

private:
    void expose(QWidget *window);
    void save(QWidget *window, const QString &name);
    void saveMessageBox(const FakeServices::Message &message, const QString &name);
    QAbstractButton *button(Form &form, const QString &name) const;
    void click(Form &form, const QString &name);
    void fillSelection();
    void playBoard(BoardId id, bool firstGame);
    void leaveResults(bool firstGame);

    Forms m_forms;
    FakeServices &m_services;
    QDir m_out;
    int m_failures = 0;
};

// Shown and active: a window drawn before it is active lacks its focused control's caret and frame.
void Snapshots::expose(QWidget *window)
{
    if (!window || !QTest::qWaitForWindowExposed(window) || !QTest::qWaitForWindowActive(window)) {
        std::fprintf(stderr, "%s: not on screen\n", window ? qPrintable(window->objectName()) : "window");
        ++m_failures;
    }
}

void Snapshots::save(QWidget *window, const QString &name)
{
    if (!window) {
        std::fprintf(stderr, "%s: window not open\n", qPrintable(name));
        ++m_failures;
        return;
    }
    QCoreApplication::processEvents();
    const QString path = m_out.filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
        ++m_failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

// The fake dismisses its boxes unseen, so the box is built here as the program builds it.
void Snapshots::saveMessageBox(const FakeServices::Message &message, const QString &name)
{
    QMessageBox box(QMessageBox::NoIcon, message.title, message.prompt, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.show();
    expose(&box);
    save(&box, name);
    box.close();
}

QAbstractButton *Snapshots::button(Form &form, const QString &name) const
{
    return form.window() ? form.window()->findChild<QAbstractButton *>(name) : nullptr;
}

void Snapshots::click(Form &form, const QString &name)
{
    QAbstractButton *target = button(form, name);
    if (!target || !target->isVisible()) {
        std::fprintf(stderr, "no visible button %s\n", qPrintable(name));
        ++m_failures;
        return;
    }
    QTest::mouseClick(target, Qt::LeftButton);
}

void Snapshots::fillSelection()
{
    FrmAuswahl &auswahl = m_forms.frmAuswahl();
    QWidget *window = auswahl.window();
    QTest::keyClicks(window->findChild<QLineEdit *>(QStringLiteral("txtVorname")), QStringLiteral("Lena"));
    QTest::keyClicks(window->findChild<QLineEdit *>(QStringLiteral("txtName")), QStringLiteral("Sommer"));
    click(auswahl, QStringLiteral("optKlasse(1)"));
    click(auswahl, QStringLiteral("chkRechenart(0)"));
    click(auswahl, QStringLiteral("chkRechenart(1)"));
    click(auswahl, QStringLiteral("optLevel(1)"));
}

// Visible cards paired by equal results, in index order of their first card.
QList<QPair<int, int>> matchingPairs(QWidget *board, int cards)
{
    QList<QPair<int, int>> pairs;
    QList<QPair<int, QVariant>> open;
    for (int index = 0; index < cards; ++index) {
        const auto *card = board->findChild<QAbstractButton *>(QStringLiteral("cmdaufgabe(%1)").arg(index));
        if (!card || !card->isVisible())
            continue;
        const QVariant tag = card->property("Tag");
        const auto partner = std::find_if(open.begin(), open.end(), [&tag](const auto &candidate) {
            return candidate.second == tag;
        });
        if (partner == open.end()) {
            open.append({index, tag});
            continue;
        }
        pairs.append({partner->first, index});
        open.erase(partner);
    }
    return pairs;
}

// Fresh, half played with one card marked, and finished with the whole picture bare.
// The first game starts with one wrong pair, for its message.
void Snapshots::playBoard(BoardId id, bool firstGame)
{
    const zorbel::BoardLayout &layout = zorbel::boardLayout(id);
    const QString name = QString::fromLatin1(layout.name.data(), static_cast<qsizetype>(layout.name.size()));
    FrmAuswahl &auswahl = m_forms.frmAuswahl();
    const bool small = layout.variant == zorbel::Variant::Small;
    click(auswahl, QStringLiteral("optKlasse(%1)").arg(small ? 1 : 3));
    click(auswahl, QStringLiteral("optLevel(%1)").arg(static_cast<int>(id) % 3));
    // The later large boards add multiplication, then division, whose captions run widest.
    if (id == BoardId::frm8x5 || id == BoardId::frm8x8)
        click(auswahl, QStringLiteral("chkRechenart(%1)").arg(id == BoardId::frm8x5 ? 2 : 3));
    click(auswahl, QStringLiteral("cmdOK"));

    const auto cardName = [](int index) { return QStringLiteral("cmdaufgabe(%1)").arg(index); };
    BoardWindow &board = m_forms.board(id);
    FormWindow *window = board.window();
    if (!window) {
        std::fprintf(stderr, "%s did not open\n", qPrintable(name));
        ++m_failures;
        return;
    }
    expose(window);
    save(window, name + QStringLiteral("-frisch"));

    auto pairs = matchingPairs(window, layout.cards());
    if (firstGame) {
        const auto tagOf = [window, &cardName](int index) {
            return window->findChild<QWidget *>(cardName(index))->property("Tag");
        };
        const auto other = std::find_if(pairs.begin() + 1, pairs.end(), [&](const QPair<int, int> &pair) {
            return tagOf(pair.first) != tagOf(pairs[0].first);
        });
        if (other != pairs.end()) {
            click(board, cardName(other->first));
            click(board, cardName(pairs[0].first));
            click(board, cardName(pairs[0].second));
            pairs.removeFirst();
        }
    }
    const qsizetype half = pairs.size() / 2;
    for (qsizetype k = 0; k < half; ++k) {
        click(board, cardName(pairs[k].first));
        click(board, cardName(pairs[k].second));
    }
    click(board, cardName(pairs[half].first));
    save(window, name + QStringLiteral("-halb"));

    m_services.onMessage = [this, window, name](const FakeServices::Message &message) {
        if (message.prompt.startsWith(QStringLiteral("Du bekommst"))) {
            save(window, name + QStringLiteral("-fertig"));
            saveMessageBox(message, QStringLiteral("meldung-punkte-") + name);
        }
    };
    click(board, cardName(pairs[half].second));
    for (qsizetype k = half + 1; k < pairs.size(); ++k) {
        click(board, cardName(pairs[k].first));
        click(board, cardName(pairs[k].second));
    }
    m_services.onMessage = nullptr;
    leaveResults(firstGame);
}

void Snapshots::leaveResults(bool firstGame)
{
    if (firstGame) {
        save(m_forms.frmUrkunde().window(), QStringLiteral("urkunde"));
        save(m_forms.frmDrucken().window(), QStringLiteral("drucken"));
    }
    if (m_forms.frmDrucken().isLoaded())
        click(m_forms.frmDrucken(), QStringLiteral("cmdKeinDruck"));
    if (firstGame)
        save(m_forms.frmWeiter().window(), QStringLiteral("weiter"));
    click(m_forms.frmWeiter(), QStringLiteral("cmdWeiter"));
}

int Snapshots::run()
{
    m_forms.frmSplash().Show();
    expose(m_forms.frmSplash().window());
    save(m_forms.frmSplash().window(), QStringLiteral("splash"));
    QTest::keyClick(m_forms.frmSplash().window(), Qt::Key_Space);

    FormWindow *auswahl = m_forms.frmAuswahl().window();
    expose(auswahl);
    save(auswahl, QStringLiteral("auswahl-leer"));
    fillSelection();
    save(auswahl, QStringLiteral("auswahl"));

    click(m_forms.frmAuswahl(), QStringLiteral("cmdAnleitung"));
    expose(m_forms.frmAnleitung().window());
    save(m_forms.frmAnleitung().window(), QStringLiteral("anleitung"));
    click(m_forms.frmAnleitung(), QStringLiteral("cmdEnde"));

    for (const auto &layout : zorbel::boardLayouts)
        playBoard(layout.id, layout.id == BoardId::frm3x4);

    for (const FakeServices::Message &message : m_services.messages) {
        if (message.prompt == QStringLiteral("Leider falsch!")) {
            saveMessageBox(message, QStringLiteral("meldung-falsch"));
            break;
        }
    }
    return m_failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: zorbel_snapshots <program folder> <output folder>\n");
        return 2;
    }
    if (!QDir().mkpath(arguments[2])) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(arguments[2]));
        return 2;
    }
    FakeServices services;
    services.folder = arguments[1];
    services.version = {SNAPSHOT_VERSION_MAJOR, SNAPSHOT_VERSION_MINOR, SNAPSHOT_VERSION_PATCH};
    Snapshots snapshots(services, arguments[2]);
    return snapshots.run();
}
