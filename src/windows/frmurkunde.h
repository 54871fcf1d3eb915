#pragma once

#include "form.h"

class Roads;
class UrkundeWindow;

// The certificate: who reached how many points on which day, read from the
// selection window when it opens.
class FrmUrkunde : public FormOf<UrkundeWindow>
{
    Q_OBJECT

public:
    FrmUrkunde(Program &program, Roads &roads);

    // Leaves the loaded certificate completely painted and the active window,
    // ready to be captured as it appears on screen.
    void paintAndActivate();

protected:
    std::unique_ptr<FormWindow> createWindow() override;
    void Form_Load() override;
    std::optional<QPoint> clientPositionTwips() const override;

private:
    Roads &m_roads;
};
