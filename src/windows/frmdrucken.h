#pragma once

#include "form.h"

class DruckenWindow;
class Roads;

// Asks whether the certificate beside it is printed. Opening it captures the
// certificate into the clipboard; printing takes the picture from there.
class FrmDrucken : public FormOf<DruckenWindow>
{
    Q_OBJECT

public:
    FrmDrucken(Program &program, Roads &roads);

protected:
    std::unique_ptr<FormWindow> createWindow() override;
    void Form_Load() override;
    // Closing the window means "Nicht drucken": otherwise the certificate, which
    // cannot be closed, would stay with nothing leading on.
    void closeBox() override;
    std::optional<QPoint> clientPositionTwips() const override;

private:
    void cmdDruck_Click();
    void cmdKeinDruck_Click();

    Roads &m_roads;
    // Where the last print placed the certificate, in the printer's units.
    float printLeft = 0;
    float printTop = 0;
    float printWidth = 0;
    float printHeight = 0;
    float pictureAspect = 0;
};
