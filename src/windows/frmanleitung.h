#pragma once

#include "form.h"

class AnleitungWindow;
class Forms;

// The instructions: the game explained in German prose, open beside the other windows
// until the player has read it.
class FrmAnleitung : public Form
{
    Q_OBJECT

public:
    explicit FrmAnleitung(Forms &forms);

protected:
    std::unique_ptr<FormWindow> createWindow() override;
    void Form_Load() override;

private:
    void cmdEnde_Click();

    // The loaded window with its controls, or nullptr.
    AnleitungWindow *ui() const;
};
