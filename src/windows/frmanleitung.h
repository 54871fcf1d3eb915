#pragma once

#include "form.h"

class AnleitungWindow;

// The instructions: the game explained in German prose, open beside the other windows
// until the player has read it.
class FrmAnleitung : public FormOf<AnleitungWindow>
{
    Q_OBJECT

public:
    explicit FrmAnleitung(Program &program);

protected:
    std::unique_ptr<FormWindow> createWindow() override;
    void Form_Load() override;

private:
    void cmdEnde_Click();
};
