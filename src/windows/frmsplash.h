#pragma once

#include "form.h"

class Roads;
class SplashWindow;

// The start window: title, version, credits and contacts. A click on it, any key or
// its one-minute timer leads on to the selection window, once per run.
class FrmSplash : public FormOf<SplashWindow>
{
    Q_OBJECT

public:
    FrmSplash(Program &program, Roads &roads);

    void disableTimer1();

protected:
    std::unique_ptr<FormWindow> createWindow() override;
    void Form_Load() override;
    // Key preview: a key reaches the window whichever of its controls holds the focus.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Timer1_Timer();
    void Form_KeyPress();
    void Form_Click();
    void Frame1_Click();
    void Image1_Click();
    void lblAutoren_Click();
    void lblQuor2_Click();
    void lblQuor3_Click();
    void lblErklaerung_Click();
    void lblTeam_Click();
    void lblTeamnamen_Click();
    void lblTitel_Click();
    void lblversion_Click();

    Roads &m_roads;
};
