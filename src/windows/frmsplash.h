#pragma once

#include "form.h"

class Forms;

class FrmSplash : public Form
{
    Q_OBJECT

public:
    explicit FrmSplash(Forms &forms);

protected:
    std::unique_ptr<FormWindow> createWindow() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void leave();

    Forms &m_forms;
};
