#include "forms.h"

#include "boardwindow.h"
#include "frmanleitung.h"
#include "frmauswahl.h"
#include "frmdrucken.h"
#include "frmsplash.h"
#include "frmurkunde.h"
#include "frmweiter.h"

namespace {

zorbel::BoardId boardOf(FormId id)
{
    return static_cast<zorbel::BoardId>(static_cast<int>(id) - static_cast<int>(FormId::frm3x4));
}

FormId formOf(zorbel::BoardId id)
{
    return static_cast<FormId>(static_cast<int>(FormId::frm3x4) + static_cast<int>(id));
}

} // namespace

Forms::Forms(Services &services)
    : FormRegistry(services, [this](FormId id) -> std::unique_ptr<Form> {
        switch (id) {
        case FormId::frmSplash:
            return std::make_unique<FrmSplash>(*this);
        case FormId::frmAuswahl:
            return std::make_unique<FrmAuswahl>(*this);
        case FormId::frmAnleitung:
            return std::make_unique<FrmAnleitung>(*this);
        case FormId::frmUrkunde:
            return std::make_unique<FrmUrkunde>(*this);
        case FormId::frmDrucken:
            return std::make_unique<FrmDrucken>(*this);
        case FormId::frmWeiter:
            return std::make_unique<FrmWeiter>(*this);
        default:
            return std::make_unique<BoardWindow>(*this, zorbel::boardLayout(boardOf(id)));
        }
    })
{
}

FrmSplash &Forms::frmSplash() { return instance<FrmSplash>(FormId::frmSplash); }
FrmAuswahl &Forms::frmAuswahl() { return instance<FrmAuswahl>(FormId::frmAuswahl); }
FrmAnleitung &Forms::frmAnleitung() { return instance<FrmAnleitung>(FormId::frmAnleitung); }
BoardWindow &Forms::frm3x4() { return board(zorbel::BoardId::frm3x4); }
BoardWindow &Forms::frm4x4() { return board(zorbel::BoardId::frm4x4); }
BoardWindow &Forms::frm6x4() { return board(zorbel::BoardId::frm6x4); }
BoardWindow &Forms::frm6x6() { return board(zorbel::BoardId::frm6x6); }
BoardWindow &Forms::frm8x5() { return board(zorbel::BoardId::frm8x5); }
BoardWindow &Forms::frm8x8() { return board(zorbel::BoardId::frm8x8); }
BoardWindow &Forms::board(zorbel::BoardId id) { return instance<BoardWindow>(formOf(id)); }
FrmUrkunde &Forms::frmUrkunde() { return instance<FrmUrkunde>(FormId::frmUrkunde); }
FrmDrucken &Forms::frmDrucken() { return instance<FrmDrucken>(FormId::frmDrucken); }
FrmWeiter &Forms::frmWeiter() { return instance<FrmWeiter>(FormId::frmWeiter); }

void Forms::unloadBoards()
{
    for (const auto &layout : zorbel::boardLayouts)
        board(layout.id).Unload();
}
