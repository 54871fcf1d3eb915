#pragma once

#include "boardlayout.h"
#include "random.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

// One row of the exercise table: the exercise's result and operands, and in column 3
// the permutation entry (which row the card with this index shows).
struct AufgabenRow
{
    std::int16_t result;
    std::int16_t first;
    std::int16_t second;
    std::int16_t row;
};

// The record of one board window. It belongs to the window's global instance, not to its
// controls, so it survives an unload: the next deal starts from what the last game left.
class BoardState
{
public:
    explicit BoardState(const BoardLayout &layout);

    const BoardLayout &layout() const { return m_layout; }

    // Board load: the number of the background picture, 0 to 19.
    int drawBildnummer(const UniformRandom &random);

    // Board load: derives Rechenart from the ticked operations (+, -, *, :), starts the
    // counters afresh, generates the pairs, shuffles them onto the cards and sets every
    // card's operator. lowerGrade is grade 1 on the small boards, grade 3 on the large.
    void deal(const std::array<bool, 4> &operations, bool lowerGrade, const UniformRandom &random);

    std::string caption(int card) const;  // "12+7"
    std::string tag(int card) const;      // "19"

    void countClick();  // stays at 32767
    void removePair();
    bool allRemoved() const;
    int computePunkte();  // end of game: stored in Punkte, never below 0
    bool earnsCertificate() const;

    int Klicks() const { return m_Klicks; }
    int Entfernt() const { return m_Entfernt; }
    int Rechenart() const { return m_Rechenart; }
    int Punkte() const { return m_Punkte; }
    int Bildnummer() const { return m_Bildnummer; }

    // The exercise table (rows 0 to 2N - 1; rows r and r + N are pair r) and each
    // card's operator.
    const AufgabenRow &Aufgaben(int row) const;
    const std::string &Rechenzeichen(int card) const;

private:
    int limit(bool lowerGrade) const;
    void generateIteration(int limit, const UniformRandom &random);
    void smallMultiplication(const UniformRandom &random);
    void largeMultiplication(int firstStart, const UniformRandom &random);
    void division(int limit, const UniformRandom &random);
    void store();
    void shuffle(const UniformRandom &random);
    void setOperators();
    const AufgabenRow &shownRow(int card) const;

    const BoardLayout &m_layout;
    std::int16_t m_Ergebnis = 0;
    std::int16_t m_Zahl1 = 0;
    std::int16_t m_Zahl2 = 0;
    std::int16_t m_Zahl3 = 0;
    std::int32_t m_Zahl4 = 0;
    std::int16_t m_Paar = 0;
    std::vector<AufgabenRow> m_Aufgaben;
    std::int16_t m_Tausch = 0;
    std::int16_t m_Karte = 0;
    std::int16_t m_Zufall = 0;
    std::int16_t m_Punkte = 0;
    std::vector<std::string> m_Rechenzeichen;
    std::int16_t m_Klicks = 0;
    std::int16_t m_Entfernt = 0;
    std::int16_t m_Rechenart = 0;
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
