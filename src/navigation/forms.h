#pragma once

#include "boardlayout.h"
#include "program.h"
#include "roads.h"

#include <array>
#include <memory>

class BoardWindow;
class FrmAnleitung;
class FrmDrucken;
class FrmSplash;
class FrmWeiter;
class Services;

// The program's twelve windows by name, each created on its first reference and never
// replaced, and the roads between them.
class Forms final : public Roads
{
public:
    explicit Forms(Services &services);
    ~Forms();

    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    FrmSplash &frmSplash();
    FrmAuswahl &frmAuswahl() override;
    FrmAnleitung &frmAnleitung();
    BoardWindow &board(zorbel::BoardId id);
    FrmUrkunde &frmUrkunde() override;
    FrmDrucken &frmDrucken();
    FrmWeiter &frmWeiter();

    void leaveSplash() override;
    void showAnleitung() override;
    void showBoard(zorbel::BoardId board) override;
    void certificateThenPrintOrNot() override;
    void toContinueWindow(Form &leaving) override;
    void unloadBoards() override;
    void playAgain() override;
    // Ends the program at once: every window closes, and no later Show opens one.
    void End() override;

private:
    Program m_program;
    std::unique_ptr<FrmSplash> m_frmSplash;
    std::unique_ptr<FrmAuswahl> m_frmAuswahl;
    std::unique_ptr<FrmAnleitung> m_frmAnleitung;
    std::array<std::unique_ptr<BoardWindow>, zorbel::boardLayouts.size()> m_boards;
    std::unique_ptr<FrmUrkunde> m_frmUrkunde;
    std::unique_ptr<FrmDrucken> m_frmDrucken;
    std::unique_ptr<FrmWeiter> m_frmWeiter;
};
