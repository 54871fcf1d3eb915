#pragma once

#include "form.h"

class Forms;
class UrkundeWindow;

// The certificate: who reached how many points on which day, read from the
// selection window when it opens.
class FrmUrkunde : public Form
{
    Q_OBJECT

public:
    explicit FrmUrkunde(Forms &forms);

    // Leaves the loaded certificate completely painted and the active window,
    // ready to be captured as it appears on screen.
    void paintAndActivate();

protected:
    std::unique_ptr<FormWindow> createWindow() override;
    void Form_Load() override;
    std::optional<QPoint> clientPositionTwips() const override;

private:
    UrkundeWindow *ui() const;

    Forms &m_forms;
};
