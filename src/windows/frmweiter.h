#pragma once

#include "form.h"

class Forms;

class FrmWeiter : public Form
{
    Q_OBJECT

public:
    explicit FrmWeiter(Forms &forms);

protected:
    std::unique_ptr<FormWindow> createWindow() override;

private:
    Forms &m_forms;
};
