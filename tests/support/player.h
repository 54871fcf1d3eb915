#pragma once

#include "boardwindow.h"
#include "forms.h"
#include "frmanleitung.h"
#include "frmauswahl.h"
#include "frmdrucken.h"
#include "frmsplash.h"
#include "frmurkunde.h"
#include "frmweiter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <algorithm>
#include <functional>

// A player on the real windows, finding windows and controls by their object names.
namespace Player {

using Pair = QPair<QAbstractButton *, QAbstractButton *>;

// The program's windows on screen, by name, sorted.
inline QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && !top->objectName().isEmpty())
            names.append(top->objectName());
    }
    names.sort();
    return names;
}

inline QWidget *visibleWindow(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->objectName() == name)
            return top;
    }
    return nullptr;
}

inline QAbstractButton *button(const QString &window, const QString &name)
{
    QWidget *top = visibleWindow(window);
    return top ? top->findChild<QAbstractButton *>(name) : nullptr;
}

// Clicks the named control of the named visible window; false when there is none to click.
[[nodiscard]] inline bool click(const QString &window, const QString &name)
{
    QAbstractButton *target = button(window, name);
    if (!target || !target->isVisible() || !target->isEnabled())
        return false;
    QTest::mouseClick(target, Qt::LeftButton);
    return true;
}

// Widgets unloaded from their own handlers are deleted once control is back in the event loop.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline QString boardName(const zorbel::BoardLayout &layout)
{
    return QString::fromLatin1(layout.name.data(), static_cast<qsizetype>(layout.name.size()));
}

// Chooses exactly this year (optKlasse index), these operations (chkRechenart indexes, within {0, 1} or within {2, 3})
// and this level (optLevel index) in the visible selection window, whatever was chosen before, and with `start` presses "OK".
[[nodiscard]] inline bool choose(int klasse, const QList<int> &rechenarten, int level, bool start = true)
{
    const QString auswahl = QStringLiteral("frmAuswahl");
    if (!click(auswahl, QStringLiteral("optKlasse(%1)").arg(klasse)))
        return false;
    // First off what is not wanted, then on what is: some operations exclude others.
    for (const bool wanted : {false, true}) {
        for (int k = 0; k < 4; ++k) {
            QAbstractButton *box = button(auswahl, QStringLiteral("chkRechenart(%1)").arg(k));
            if (box && box->isChecked() != wanted && rechenarten.contains(k) == wanted
                && (!click(auswahl, box->objectName()) || box->isChecked() != wanted))
                return false;
        }
    }
    return click(auswahl, QStringLiteral("optLevel(%1)").arg(level)) && (!start || click(auswahl, QStringLiteral("cmdOK")));
}

// The visible cards of a board window paired by equal Tag, in index order of the first card.
inline QList<Pair> pairsOf(QWidget *board)
{
    QList<QAbstractButton *> open;
    QList<Pair> pairs;
    for (int k = 0;; ++k) {
        auto *card = board->findChild<QAbstractButton *>(QStringLiteral("cmdaufgabe(%1)").arg(k));
        if (!card)
            return pairs;
        if (!card->isVisible())
            continue;
        const auto partner = std::find_if(open.begin(), open.end(), [&](auto *other) { return other->property("Tag") == card->property("Tag"); });
        if (partner == open.end()) {
            open.append(card);
        } else {
            pairs.append(Pair(*partner, card));
            open.erase(partner);
        }
    }
}

// Clears the board by mouse: the first card, `repeats` more clicks on it (each costs a
// click), with `wrong` one card of another result ("Leider falsch!"), then every pair.
// Returns the clicks spent.
inline int clearBoard(QWidget *board, int repeats = 0, bool wrong = false)
{
    auto pairs = pairsOf(board);
    for (int k = 0; k <= repeats; ++k)
        QTest::mouseClick(pairs[0].first, Qt::LeftButton);
    const auto other = std::find_if(pairs.begin(), pairs.end(), [&](const Pair &pair) { return pair.first->property("Tag") != pairs[0].first->property("Tag"); });
    wrong = wrong && other != pairs.end();
    if (wrong) {
        // The card clicked last stays marked.
        QTest::mouseClick(other->first, Qt::LeftButton);
        std::iter_swap(pairs.begin(), other);
    }
    for (qsizetype p = 0; p < pairs.size(); ++p) {
        if (p > 0)
            QTest::mouseClick(pairs[p].first, Qt::LeftButton);
        QTest::mouseClick(pairs[p].second, Qt::LeftButton);
    }
    return 2 * int(pairs.size()) + repeats + (wrong ? 1 : 0);
}

// The selection window shown with these names in its boxes.
inline void enterNames(Forms &forms, const QString &vorname, const QString &name)
{
    forms.frmAuswahl().Show();
    forms.frmAuswahl().setVorname(vorname);
    forms.frmAuswahl().setName(name);
}

// What a good game leaves behind when its last pair is found: points in the box,
// then the certificate with the print-or-not window beside it.
inline void finishGoodGame(Forms &forms, const QString &punkte)
{
    forms.frmAuswahl().Show();
    forms.frmAuswahl().setPunkte(punkte);
    forms.frmAuswahl().Hide();
    forms.certificateThenPrintOrNot();
}

// The twelve windows by name.
inline QStringList windowNames()
{
    QStringList names{QStringLiteral("frmSplash"), QStringLiteral("frmAuswahl"), QStringLiteral("frmAnleitung")};
    for (const zorbel::BoardLayout &layout : zorbel::boardLayouts)
        names.append(boardName(layout));
    return names << QStringLiteral("frmUrkunde") << QStringLiteral("frmDrucken") << QStringLiteral("frmWeiter");
}

// The window named, shown as the program shows it to a player; nullptr when it did not open.
inline FormWindow *open(Forms &forms, const QString &name)
{
    if (name == QLatin1String("frmSplash")) {
        forms.frmSplash().Show();
        return forms.frmSplash().window();
    }
    forms.frmAuswahl().Show();
    for (const zorbel::BoardLayout &layout : zorbel::boardLayouts) {
        // Addition at the board's level, in a year that leads to it.
        if (name == boardName(layout))
            return choose(layout.variant == zorbel::Variant::Small ? 0 : 2, {0}, static_cast<int>(layout.id) % 3) ? forms.board(layout.id).window() : nullptr;
    }
    if (name == QLatin1String("frmAuswahl"))
        return forms.frmAuswahl().window();
    if (name == QLatin1String("frmAnleitung"))
        return click(QStringLiteral("frmAuswahl"), QStringLiteral("cmdAnleitung")) ? forms.frmAnleitung().window() : nullptr;
    forms.frmAuswahl().Hide();
    enterNames(forms, QStringLiteral("Lena"), QStringLiteral("Sommer"));
    finishGoodGame(forms, QStringLiteral("57"));
    if (name == QLatin1String("frmWeiter"))
        return click(QStringLiteral("frmDrucken"), QStringLiteral("cmdKeinDruck")) ? forms.frmWeiter().window() : nullptr;
    return name == QLatin1String("frmUrkunde") ? forms.frmUrkunde().window() : forms.frmDrucken().window();
}

// Runs `glimpse` at the moment the named window becomes visible, before anything else is drawn.
class ShowWatcher : public QObject
{
public:
    ShowWatcher(QString window, std::function<void()> glimpse) : m_window(std::move(window)), m_glimpse(std::move(glimpse)) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow() && watched->objectName() == m_window)
            m_glimpse();
        return false;
    }

private:
    QString m_window;
    std::function<void()> m_glimpse;
};

} // namespace Player
