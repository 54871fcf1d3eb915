#pragma once

#include "aufgaben.h"
#include "boardlayout.h"
#include "generation.h"
#include "random.h"
#include "rechenart.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

// The record of one board window. It belongs to the window's global instance, not to its
// controls, so it survives an unload: the next deal starts from what the last game left.
class BoardState
{
public:
    explicit BoardState(const BoardLayout &layout);

    const BoardLayout &layout() const { return m_layout; }

    // Board load: the number of the background picture, 0 to 19.
    int drawBildnummer(const UniformRandom &random);

    // Board load: derives the Rechenart from the ticked operations (+, -, *, :), starts the
    // counters afresh, generates the pairs, shuffles them onto the cards and sets every
    // card's operator. lowerGrade is grade 1 on the small boards, grade 3 on the large.
    void deal(const TickedOperations &operations, bool lowerGrade, const UniformRandom &random);

    std::string caption(int card) const;  // "12+7"
    std::string tag(int card) const;      // "19"

    void countClick();  // stays at 32767
    void removePair();
    bool allRemoved() const;
    int computePunkte();  // end of game: stored in Punkte, never below 0
    bool earnsCertificate() const;

    int Klicks() const { return m_Klicks; }
    int Entfernt() const { return m_Entfernt; }
    zorbel::Rechenart rechenart() const { return m_Rechenart; }
    int Punkte() const { return m_Punkte; }
    int Bildnummer() const { return m_Bildnummer; }

    // The exercise table (rows 0 to 2N - 1; rows r and r + N are pair r) and each
    // card's operator.
    const AufgabenRow &Aufgaben(int row) const;
    const std::string &Rechenzeichen(int card) const;

private:
    const AufgabenRow &shownRow(int card) const;

    const BoardLayout &m_layout;
    Operanden m_operanden;
    zorbel::Aufgaben m_Aufgaben;
    std::int16_t m_Punkte = 0;
    std::vector<std::string> m_Rechenzeichen;
    std::int16_t m_Klicks = 0;
    std::int16_t m_Entfernt = 0;
    zorbel::Rechenart m_Rechenart = zorbel::Rechenart::Keine;
    std::int16_t m_Bildnummer = 0;
};

// Answer-reveal mode: both codes, exact and case-sensitive.
bool revealsAnswers(std::string_view vorname, std::string_view name);

// The caption followed by its result: "12+7 = 19".
std::string revealedCaption(const BoardState &state, int card);

// What a click on card `clicked` does, given the marked card (-1 when none is marked).
// Marked: the clicked card becomes (or stays) the marked one. WrongPair: the results
// differ, the player is told, and the mark moves to the clicked card. Match: both go.
enum class ClickResult { Marked, WrongPair, Match };
ClickResult judgeClick(const BoardState &state, int clicked, int marked);

} // namespace zorbel
