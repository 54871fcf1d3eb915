#pragma once

#include "form.h"

class Roads;

// The last station of every finished game: play again with the same entries, or stop.
class FrmWeiter : public Form
{
    Q_OBJECT

public:
    FrmWeiter(Program &program, Roads &roads);

protected:
    std::unique_ptr<FormWindow> createWindow() override;
    void Form_Load() override;
    // Closing the window means "Spiel beenden!": the selection window is hidden,
    // so nothing else would be left on screen.
    void closeBox() override;

private:
    void cmdWeiter_Click();
    void cmdEnde_Click();

    Roads &m_roads;
};
