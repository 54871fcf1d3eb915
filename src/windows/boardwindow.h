#pragma once

#include "boardlayout.h"
#include "boardstate.h"
#include "form.h"

class BoardFormWindow;
class Roads;

// One of the six board windows, configured by its row of the layout table. The board
// state belongs to this object, not to the controls, so it outlives an unload.
class BoardWindow : public FormOf<BoardFormWindow>
{
    Q_OBJECT

public:
    BoardWindow(Program &program, Roads &roads, const zorbel::BoardLayout &layout);

protected:
    std::unique_ptr<FormWindow> createWindow() override;
    void Form_Load() override;
    // The close box is the board's "Spiel abbrechen!".
    void closeBox() override;

private:
    void cmdaufgabe_Click(int index);
    void cmdEnde_Click();

    void loadPicture(BoardFormWindow &board);
    void showLoadedPicture(BoardFormWindow &board);
    void showExercises(BoardFormWindow &board);
    void endOfGame();
    // Keyboard focus to the next remaining card after `from` in index order, else the one
    // before it, else the cancel button; `from` and `leaving` are on their way out.
    void focusNextCard(BoardFormWindow &board, int from, int leaving);
    // The card with the marked colour other than `except`, or -1.
    int markedCard(const BoardFormWindow &board, int except) const;

    Roads &m_roads;
    const zorbel::BoardLayout &m_layout;
    zorbel::BoardState m_state;
};
