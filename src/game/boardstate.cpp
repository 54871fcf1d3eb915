#include "boardstate.h"

#include "generation.h"
#include "scoring.h"
#include "shuffle.h"

#include <algorithm>
#include <limits>

namespace zorbel {

namespace {

std::int16_t int16(int value)
{
    return static_cast<std::int16_t>(value);
}

} // namespace

BoardState::BoardState(const BoardLayout &layout)
    : m_layout(layout)
    , m_Aufgaben(static_cast<std::size_t>(layout.cards()), AufgabenRow{0, 0, 0, 0})
    , m_Rechenzeichen(static_cast<std::size_t>(layout.cards()))
{
}

int BoardState::drawBildnummer(const UniformRandom &random)
{
    m_Bildnummer = int16(randBelow(random, 20));
    return m_Bildnummer;
}

void BoardState::deal(const TickedOperations &operations, bool lowerGrade, const UniformRandom &random)
{
    m_Rechenart = rechenartOf(operations, m_Rechenart);
    m_Klicks = 0;
    m_Entfernt = 0;
    dealPairs(m_Aufgaben, m_operanden, m_layout, m_Rechenart, resultLimit(m_layout, lowerGrade), random);
    shuffleCards(m_Aufgaben, random);
    for (int karte = 0; karte < m_layout.cards(); ++karte)
        m_Rechenzeichen[static_cast<std::size_t>(karte)] = rechenzeichen(m_Rechenart, shownRow(karte));
}

const AufgabenRow &BoardState::Aufgaben(int row) const
{
    return m_Aufgaben.at(static_cast<std::size_t>(row));
}

const std::string &BoardState::Rechenzeichen(int card) const
{
    return m_Rechenzeichen.at(static_cast<std::size_t>(card));
}

const AufgabenRow &BoardState::shownRow(int card) const
{
    return Aufgaben(Aufgaben(card).row);
}

std::string BoardState::caption(int card) const
{
    const AufgabenRow &shown = shownRow(card);
    return std::to_string(shown.first) + Rechenzeichen(card) + std::to_string(shown.second);
}

std::string BoardState::tag(int card) const
{
    return std::to_string(shownRow(card).result);
}

void BoardState::countClick()
{
    if (m_Klicks < std::numeric_limits<std::int16_t>::max())
        ++m_Klicks;
}

void BoardState::removePair()
{
    m_Entfernt = int16(m_Entfernt + 2);
}

bool BoardState::allRemoved() const
{
    return m_Entfernt == m_layout.cards();
}

int BoardState::computePunkte()
{
    m_Punkte = int16(punkte(m_layout, m_Klicks, m_Rechenart));
    return m_Punkte;
}

bool BoardState::earnsCertificate() const
{
    return zorbel::earnsCertificate(m_layout, m_Klicks);
}

bool revealsAnswers(std::string_view vorname, std::string_view name)
{
    return vorname == "QZR482" && name == "TLKV306";
}

std::string revealedCaption(const BoardState &state, int card)
{
    return state.caption(card) + " = " + state.tag(card);
}

ClickResult judgeClick(const BoardState &state, int clicked, int marked)
{
    if (marked < 0 || marked == clicked)
        return ClickResult::Marked;
    return state.tag(clicked) == state.tag(marked) ? ClickResult::Match : ClickResult::WrongPair;
}

} // namespace zorbel
