#include "boardwindow.h"

#include "announcer.h"
#include "boardpicture.h"
#include "cardgrid.h"
#include "commandbutton.h"
#include "controlfactory.h"
#include "frmauswahl.h"
#include "geometry.h"
#include "graphicalbuttons.h"
#include "look.h"
#include "roads.h"
#include "services.h"

#include <QDir>
#include <QLabel>

#include <utility>
#include <vector>

namespace {

const QColor cardColour{255, 192, 128};
const QColor markedColour{255, 0, 0};

QRect rectOf(const zorbel::TwipsRect &twips)
{
    return {twips.left, twips.top, twips.width, twips.height};
}

// The colour is the marking; a screen reader hears it as the card's checked state.
void setMarked(CardButton &card, bool marked)
{
    card.setBackColor(marked ? markedColour : cardColour);
    card.setChecked(marked);
}

TitleButtons titleButtonsOf(const zorbel::BoardLayout &layout)
{
    const bool lessOne = layout.id == zorbel::BoardId::frm3x4 || layout.id == zorbel::BoardId::frm4x4;
    return lessOne ? TitleButtons::StandardLessMaximise : TitleButtons::Standard;
}

} // namespace

// A board window as designed. Created later lies higher,
// so the picture goes first and the cards last; the focus order is the creation order.
class BoardFormWindow : public FormWindow
{
public:
    explicit BoardFormWindow(const zorbel::BoardLayout &layout);

    QLabel *imgBild;
    GraphicalButton *cmdEnde;
    std::vector<CardButton *> cmdaufgabe;
    Announcer *announcer;
    // The picture file still being decoded for imgBild, or nullptr.
    BoardPictureLoad *pictureLoad = nullptr;
};

BoardFormWindow::BoardFormWindow(const zorbel::BoardLayout &layout)
    : FormWindow(QStringLiteral("Memory"), QSize(layout.clientWidth, layout.clientHeight), titleButtonsOf(layout))
{
    setObjectName(QLatin1String(layout.name.data(), static_cast<qsizetype>(layout.name.size())));
    Look::setBackground(*this, Look::desktop);

    announcer = new Announcer(this);

    imgBild = makeControl<QLabel>(this, QStringLiteral("imgBild"), rectOf(layout.picture));
    imgBild->setAccessibleName(QStringLiteral("Bild"));
    imgBild->setPixmap(defaultBoardPicture(imgBild->size(), imgBild->devicePixelRatioF()));

    cmdEnde = makeCommandButton(*this, QStringLiteral("cmdEnde"), QStringLiteral("Spiel abbrechen!"), rectOf(layout.endButton), 14.25);

    const QFont cardFont = Look::font(layout.cardFontPoints);
    cmdaufgabe.reserve(static_cast<std::size_t>(layout.cards()));
    for (int index = 0; index < layout.cards(); ++index) {
        auto *card = new CardButton(this);
        card->setObjectName(QStringLiteral("cmdaufgabe(%1)").arg(index));
        card->setFont(cardFont);
        card->setBackColor(cardColour);
        const zorbel::GridCell cell = zorbel::cellOfCard(layout, index);
        card->setGeometry(twipsToPixels(QRect(cell.column * layout.pitchX, cell.row * layout.pitchY, layout.cardWidth, layout.cardHeight)));
        cmdaufgabe.push_back(card);
    }
    cmdEnde->setFocus();
}

BoardWindow::BoardWindow(Program &program, Roads &roads, const zorbel::BoardLayout &layout)
    : FormOf(program)
    , m_roads(roads)
    , m_layout(layout)
    , m_state(layout)
{
}

std::unique_ptr<FormWindow> BoardWindow::createWindow()
{
    auto window = std::make_unique<BoardFormWindow>(m_layout);
    connect(window->cmdEnde, &QPushButton::clicked, this, &BoardWindow::cmdEnde_Click);
    for (int index = 0; index < m_layout.cards(); ++index) {
        connect(window->cmdaufgabe[static_cast<std::size_t>(index)], &QPushButton::clicked, this,
                [this, index] { cmdaufgabe_Click(index); });
    }
    return window;
}

void BoardWindow::Form_Load()
{
    BoardFormWindow *board = ui();
    if (!board)
        return;
    m_state.drawBildnummer([this] { return services().random(); });
    loadPicture(*board);
    m_roads.frmAuswahl().Hide();
    const bool lowerGrade = m_roads.frmAuswahl().klasse(m_layout.variant == zorbel::Variant::Small ? 0 : 2);
    m_state.deal(m_roads.frmAuswahl().rechenarten(), lowerGrade, [this] { return services().random(); });
    showExercises(*board);
}

void BoardWindow::loadPicture(BoardFormWindow &board)
{
    const int number = m_state.Bildnummer();
    // The cards hide the whole picture until the first pair goes, so the board need
    // not wait for the program's picture to arrive, nor for a large photo to decode, before it opens.
    services().fetchProgramFile(boardPictureName(number), &board, [this, window = &board, number] {
        if (ui() != window)
            return;
        const QStringList paths = boardPicturePaths(services().userDataFolder(), services().programFolder(), number);
        // Decoded at the screen's own pixels, so that it stays sharp on a high-density display.
        window->pictureLoad = new BoardPictureLoad(paths, window->imgBild->size() * window->imgBild->devicePixelRatioF(), window);
        connect(window->pictureLoad, &BoardPictureLoad::ready, window, [this, window] {
            if (ui() == window)
                showLoadedPicture(*window);
        });
    });
}

void BoardWindow::showLoadedPicture(BoardFormWindow &board)
{
    BoardPictureLoad *load = std::exchange(board.pictureLoad, nullptr);
    if (!load)
        return;
    const QImage picture = load->picture();
    load->deleteLater();
    // A file that cannot be used leaves the default picture, without a word.
    if (picture.isNull())
        return;
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(board.imgBild->devicePixelRatioF());
    board.imgBild->setPixmap(pixmap);
}

void BoardWindow::showExercises(BoardFormWindow &board)
{
    const bool reveal = zorbel::revealsAnswers(m_roads.frmAuswahl().vorname().toStdString(),
                                               m_roads.frmAuswahl().name().toStdString());
    for (int index = 0; index < m_layout.cards(); ++index) {
        CardButton *card = board.cmdaufgabe[static_cast<std::size_t>(index)];
        const QString caption = QString::fromStdString(reveal ? zorbel::revealedCaption(m_state, index)
                                                              : m_state.caption(index));
        card->setText(caption);
        card->setAccessibleName(caption);
        card->setProperty("Tag", QString::fromStdString(m_state.tag(index)));
    }
}

void BoardWindow::focusNextCard(BoardFormWindow &board, int from, int leaving)
{
    GraphicalButton *next = board.cmdEnde;
    for (int index = 0; index < m_layout.cards(); ++index) {
        CardButton *card = board.cmdaufgabe[static_cast<std::size_t>(index)];
        if (index == from || index == leaving || card->isHidden())
            continue;
        next = card;
        if (index > from)
            break;
    }
    next->setFocus();
}

int BoardWindow::markedCard(const BoardFormWindow &board, int except) const
{
    for (int index = 0; index < m_layout.cards(); ++index) {
        if (index != except && board.cmdaufgabe[static_cast<std::size_t>(index)]->backColor() == markedColour)
            return index;
    }
    return -1;
}

void BoardWindow::cmdaufgabe_Click(int index)
{
    BoardFormWindow *board = ui();
    if (!board)
        return;
    m_state.countClick();
    CardButton *clicked = board->cmdaufgabe[static_cast<std::size_t>(index)];
    const int marked = markedCard(*board, index);
    switch (zorbel::judgeClick(m_state, index, marked)) {
    case zorbel::ClickResult::Marked:
        setMarked(*clicked, true);
        return;
    case zorbel::ClickResult::WrongPair:
        // The scan marks the clicked card at every card it passes before the marked one, so
        // under the message both are red unless the marked card is the first one scanned.
        if (marked != (index == 0 ? 1 : 0))
            setMarked(*clicked, true);
        services().messageBox(QStringLiteral("Leider falsch!"), QStringLiteral("Schade!"));
        // The program may have ended while the box was open.
        if (ui() != board)
            return;
        setMarked(*clicked, true);
        setMarked(*board->cmdaufgabe[static_cast<std::size_t>(marked)], false);
        return;
    case zorbel::ClickResult::Match: {
        CardButton *partner = board->cmdaufgabe[static_cast<std::size_t>(marked)];
        // The picture shows from here on: it must be the loaded one.
        showLoadedPicture(*board);
        setMarked(*clicked, false);
        setMarked(*partner, false);
        board->announcer->announce(QStringLiteral("Paar gefunden: %1 und %2").arg(partner->text(), clicked->text()));
        // The focus goes on before the pair vanishes, so that it does not pass
        // through cards on its way and each of them is read aloud.
        focusNextCard(*board, index, marked);
        clicked->setVisible(false);
        partner->setVisible(false);
        m_state.removePair();
        if (m_state.allRemoved())
            endOfGame();
        return;
    }
    }
}

void BoardWindow::endOfGame()
{
    const QString punkte = QString::number(m_state.computePunkte());
    services().messageBox(QStringLiteral("Du bekommst ") + punkte + QStringLiteral(" Punkte!"),
                          QStringLiteral("Herzlichen Glückwunsch!"));
    m_roads.frmAuswahl().setPunkte(punkte);
    if (m_state.earnsCertificate()) {
        // The certificate's load unloads every board, this one included, while we are
        // still in its click handler: touch no control after this.
        m_roads.certificateThenPrintOrNot();
        return;
    }
    m_roads.toContinueWindow(*this);
}

void BoardWindow::cmdEnde_Click()
{
    m_roads.End();
}

void BoardWindow::closeBox()
{
    cmdEnde_Click();
}
