#pragma once

#include "boardlayout.h"
#include "formregistry.h"

class BoardWindow;
class FrmAnleitung;
class FrmAuswahl;
class FrmDrucken;
class FrmSplash;
class FrmUrkunde;
class FrmWeiter;

// The program's twelve windows by name; each is created on its first reference.
class Forms : public FormRegistry
{
public:
    explicit Forms(Services &services);

    FrmSplash &frmSplash();
    FrmAuswahl &frmAuswahl();
    FrmAnleitung &frmAnleitung();
    BoardWindow &frm3x4();
    BoardWindow &frm4x4();
    BoardWindow &frm6x4();
    BoardWindow &frm6x6();
    BoardWindow &frm8x5();
    BoardWindow &frm8x8();
    BoardWindow &board(zorbel::BoardId id);
    FrmUrkunde &frmUrkunde();
    FrmDrucken &frmDrucken();
    FrmWeiter &frmWeiter();

    // Unloads frm3x4, frm4x4, frm6x4, frm6x6, frm8x5 and frm8x8, in this order.
    void unloadBoards();
};
