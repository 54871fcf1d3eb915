#pragma once

#include "boardlayout.h"
#include "boardwindow.h"
#include "forms.h"
#include "frmauswahl.h"
#include "graphicalbuttons.h"

#include <QAbstractButton>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPair>
#include <QTest>


// The player's hands on the selection window and on a board, for the board tests.
namespace BoardPlay {

inline QAbstractButton *button(QWidget *window, const QString &name)
{
    return window ? window->findChild<QAbstractButton *>(name) : nullptr;
}

inline void click(QWidget *widget)
{
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Grade k + 1, the operations by index (0 +, 1 -, 2 *, 3 :), level 0 to 2, then "OK".
inline void startGame(Forms &forms, int klasse, const QList<int> &rechenarten, int level)
{
    forms.frmAuswahl().Show();
    FormWindow *auswahl = forms.frmAuswahl().window();
    click(button(auswahl, QStringLiteral("optKlasse(%1)").arg(klasse)));
    for (const int k : rechenarten) {
        if (!forms.frmAuswahl().rechenart(k))
            click(button(auswahl, QStringLiteral("chkRechenart(%1)").arg(k)));
    }
    click(button(auswahl, QStringLiteral("optLevel(%1)").arg(level)));
    click(button(auswahl, QStringLiteral("cmdOK")));
}

// Opens a board the way the player does: a grade of its variant, addition, its level.
inline FormWindow *openBoard(Forms &forms, zorbel::BoardId id)
{
    const auto &layout = zorbel::boardLayout(id);
    startGame(forms, layout.variant == zorbel::Variant::Small ? 0 : 2, {0}, static_cast<int>(id) % 3);
    return forms.board(id).window();
}

inline GraphicalButton *card(QWidget *board, int index)
{
    return board ? board->findChild<GraphicalButton *>(QStringLiteral("cmdaufgabe(%1)").arg(index)) : nullptr;
}

inline QString tagOf(const QWidget *card)
{
    return card->property("Tag").toString();
}

// What the player sees of a card's colour: inside its bevel, away from the caption.
inline QColor colourOf(QWidget *card)
{
    return card->grab().toImage().pixelColor(4, 4);
}

inline const QColor cardColour{255, 192, 128};
inline const QColor markedColour{255, 0, 0};

// Visible cards paired by equal tags, each pair in index order.
inline QList<QPair<int, int>> matchingPairs(QWidget *board, int cards)
{
    QList<QPair<int, int>> pairs;
    QHash<QString, int> open;
    for (int index = 0; index < cards; ++index) {
        if (!card(board, index) || !card(board, index)->isVisible())
            continue;
        const QString tag = tagOf(card(board, index));
        if (open.contains(tag))
            pairs.append({open.take(tag), index});
        else
            open.insert(tag, index);
    }
    return pairs;
}

} // namespace BoardPlay
