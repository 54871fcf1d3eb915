#pragma once

#include "form.h"

class Forms;

class FrmAnleitung : public Form
{
    Q_OBJECT

public:
    explicit FrmAnleitung(Forms &forms);

protected:
    std::unique_ptr<FormWindow> createWindow() override;

private:
    Forms &m_forms;
};
