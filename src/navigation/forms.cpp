#include "forms.h"

#include "boardwindow.h"
#include "frmanleitung.h"
#include "frmauswahl.h"
#include "frmdrucken.h"
#include "frmsplash.h"
#include "frmurkunde.h"
#include "frmweiter.h"
#include "services.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

template<typename Window, typename... Arguments>
Window &instance(std::unique_ptr<Window> &slot, Arguments &&...arguments)
{
    if (!slot)
        slot = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
    return *slot;
}

} // namespace

Forms::Forms(Services &services)
    : m_program(services)
{
}

Forms::~Forms()
{
    // Windows unloaded from their own handlers wait for deletion in the event queue.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

FrmSplash &Forms::frmSplash() { return instance(m_frmSplash, m_program, *this); }
FrmAuswahl &Forms::frmAuswahl() { return instance(m_frmAuswahl, m_program, *this); }
FrmAnleitung &Forms::frmAnleitung() { return instance(m_frmAnleitung, m_program); }
FrmUrkunde &Forms::frmUrkunde() { return instance(m_frmUrkunde, m_program, *this); }
FrmDrucken &Forms::frmDrucken() { return instance(m_frmDrucken, m_program, *this); }
FrmWeiter &Forms::frmWeiter() { return instance(m_frmWeiter, m_program, *this); }

BoardWindow &Forms::board(zorbel::BoardId id)
{
    const zorbel::BoardLayout &layout = zorbel::boardLayout(id);
    return instance(m_boards[static_cast<std::size_t>(id)], m_program, *this, layout);
}

// The roads, in the order of the window table.

void Forms::leaveSplash()
{
    frmAuswahl().Show();
    frmSplash().disableTimer1();
    frmSplash().Unload();
}

void Forms::showAnleitung()
{
    // The selection window stays visible and usable beside it.
    frmAnleitung().Show();
}

void Forms::showBoard(zorbel::BoardId id)
{
    board(id).Show();
}

void Forms::certificateThenPrintOrNot()
{
    // The print-or-not window's load captures the certificate, so that one must be up first.
    frmUrkunde().Show();
    frmDrucken().Show();
}

void Forms::toContinueWindow(Form &leaving)
{
    // The next window opens before the others close, so a window is always up.
    frmAuswahl().setPunkte(QString());
    frmWeiter().Show();
    frmUrkunde().Unload();
    leaving.Unload();
}

void Forms::unloadBoards()
{
    for (const zorbel::BoardLayout &layout : zorbel::boardLayouts)
        board(layout.id).Unload();
}

void Forms::playAgain()
{
    frmAuswahl().Show();
    frmWeiter().Unload();
}

void Forms::End()
{
    if (m_program.hasEnded())
        return;
    m_program.end();
    const auto unload = [](auto &form) {
        if (form)
            form->Unload();
    };
    unload(m_frmSplash);
    unload(m_frmAuswahl);
    unload(m_frmAnleitung);
    for (auto &board : m_boards)
        unload(board);
    unload(m_frmUrkunde);
    unload(m_frmDrucken);
    unload(m_frmWeiter);
    m_program.services().endProgram();
}
