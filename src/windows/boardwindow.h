#pragma once

#include "boardlayout.h"
#include "form.h"

class Forms;

class BoardWindow : public Form
{
    Q_OBJECT

public:
    BoardWindow(Forms &forms, const zorbel::BoardLayout &layout);

protected:
    std::unique_ptr<FormWindow> createWindow() override;

private:
    Forms &m_forms;
    const zorbel::BoardLayout &m_layout;
};
