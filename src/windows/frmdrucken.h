#pragma once

#include "form.h"

class Forms;

class FrmDrucken : public Form
{
    Q_OBJECT

public:
    explicit FrmDrucken(Forms &forms);

protected:
    std::unique_ptr<FormWindow> createWindow() override;
    std::optional<QPoint> clientPositionTwips() const override;

private:
    Forms &m_forms;
};
