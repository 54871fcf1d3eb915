#pragma once

#include "form.h"

class Forms;

class FrmAuswahl : public Form
{
    Q_OBJECT

public:
    explicit FrmAuswahl(Forms &forms);

protected:
    std::unique_ptr<FormWindow> createWindow() override;

private:
    Forms &m_forms;
};
