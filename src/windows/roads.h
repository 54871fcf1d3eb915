#pragma once

#include "boardlayout.h"

class Form;
class FrmAuswahl;
class FrmUrkunde;

// The roads between the windows: every way one window opens, hides or closes another.
// Each road is written once, beside the window instances (navigation/forms.cpp); a
// handler takes the road its row of the window table names.
class Roads
{
public:
    // The selection window holds the game settings, the certificate what is printed.
    virtual FrmAuswahl &frmAuswahl() = 0;
    virtual FrmUrkunde &frmUrkunde() = 0;

    // frmAuswahl.Show, Timer1 off, Unload frmSplash.
    virtual void leaveSplash() = 0;
    virtual void showAnleitung() = 0;
    // The board window of this grade group and level.
    virtual void showBoard(zorbel::BoardId board) = 0;
    // frmUrkunde.Show, then frmDrucken.Show.
    virtual void certificateThenPrintOrNot() = 0;
    // Empty the points box, frmWeiter.Show, Unload frmUrkunde, Unload `leaving`.
    virtual void toContinueWindow(Form &leaving) = 0;
    // frm3x4, frm4x4, frm6x4, frm6x6, frm8x5 and frm8x8, in this order.
    virtual void unloadBoards() = 0;
    // frmAuswahl.Show, with every entry as the player left it; Unload frmWeiter.
    virtual void playAgain() = 0;
    // Every window closes and the program ends.
    virtual void End() = 0;

protected:
    ~Roads() = default;
};
