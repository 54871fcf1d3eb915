#pragma once

#include "form.h"

class Forms;

class FrmUrkunde : public Form
{
    Q_OBJECT

public:
    explicit FrmUrkunde(Forms &forms);

protected:
    std::unique_ptr<FormWindow> createWindow() override;
    std::optional<QPoint> clientPositionTwips() const override;

private:
    Forms &m_forms;
};
