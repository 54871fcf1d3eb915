#pragma once

#include "fakeservices.h"
#include "formregistry.h"
#include "forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <algorithm>

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

// A player who only uses the mouse on the real windows, finding controls by name.
namespace Player {

// The program's windows on screen, by name, sorted.
inline QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && !widget->objectName().isEmpty())
            names.append(widget->objectName());
    }
    names.sort();
    return names;
}

inline QWidget *visibleWindow(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->objectName() == name)
            return widget;
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

// Resident memory of this process in kB, or -1.
inline long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

#if defined(__SANITIZE_ADDRESS__)
inline constexpr const char *heldMemory = "live heap";
#else
inline constexpr const char *heldMemory = "resident memory";
#endif

// The memory the program holds, in kB: its resident memory, or under AddressSanitizer
// its live heap, because there the quarantine of freed blocks and the shadow memory make
// the resident memory grow on their own.
inline long heldKilobytes()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    return residentKilobytes();
#endif
}

struct Settings
{
    int klasse = 0;           // optKlasse index: school year - 1
    QList<int> rechenarten;   // chkRechenart indexes, within {0, 1} or within {2, 3}
    int level = 0;            // optLevel index
};

// Chooses exactly these settings in the visible selection window, whatever was
// chosen before, and presses "OK".
[[nodiscard]] inline bool chooseAndStart(const Settings &settings)
{
    const QString auswahl = QStringLiteral("frmAuswahl");
    if (!click(auswahl, QStringLiteral("optKlasse(%1)").arg(settings.klasse)))
        return false;
    for (int k = 0; k < 4; ++k) {
        QAbstractButton *box = button(auswahl, QStringLiteral("chkRechenart(%1)").arg(k));
        if (box && box->isChecked() && !settings.rechenarten.contains(k) && !click(auswahl, box->objectName()))
            return false;
    }
    for (const int k : settings.rechenarten) {
        QAbstractButton *box = button(auswahl, QStringLiteral("chkRechenart(%1)").arg(k));
        if (!box || (!box->isChecked() && !click(auswahl, box->objectName())) || !box->isChecked())
            return false;
    }
    return click(auswahl, QStringLiteral("optLevel(%1)").arg(settings.level))
        && click(auswahl, QStringLiteral("cmdOK"));
}

// The visible cards of a board window paired by equal Tag, in index order of the first card.
inline QList<QPair<QAbstractButton *, QAbstractButton *>> pairsOf(QWidget *board)
{
    QList<QAbstractButton *> cards;
    for (QAbstractButton *card : board->findChildren<QAbstractButton *>()) {
        if (card->objectName().startsWith(QLatin1String("cmdaufgabe(")) && card->isVisible())
            cards.append(card);
    }
    std::sort(cards.begin(), cards.end(), [](QAbstractButton *a, QAbstractButton *b) {
        return a->objectName().mid(11).chopped(1).toInt() < b->objectName().mid(11).chopped(1).toInt();
    });
    QList<QPair<QAbstractButton *, QAbstractButton *>> pairs;
    QList<QAbstractButton *> open;
    for (QAbstractButton *card : cards) {
        const QString tag = card->property("Tag").toString();
        const auto partner = std::find_if(open.begin(), open.end(), [&](QAbstractButton *candidate) {
            return candidate->property("Tag").toString() == tag;
        });
        if (partner == open.end()) {
            open.append(card);
        } else {
            pairs.append(qMakePair(*partner, card));
            open.erase(partner);
        }
    }
    return pairs;
}

} // namespace Player
