#pragma once

#include <QAccessible>
#include <QFrame>
#include <QLabel>

// A label or frame whose click the program handles. Its click() does what a click with
// the mouse does, and assistive technology offers it as the control's press action, so
// that switch access and voice control work it as a mouse would.

class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    // The role tells assistive technology what the label is: a link, a picture or a text.
    ClickLabel(QAccessible::Role role, QWidget *parent);

    QAccessible::Role accessibleRole() const { return m_role; }

public Q_SLOTS:
    void click();

Q_SIGNALS:
    void clicked();

private:
    QAccessible::Role m_role;
};

class ClickFrame : public QFrame
{
    Q_OBJECT

public:
    explicit ClickFrame(QWidget *parent);

public Q_SLOTS:
    void click();

Q_SIGNALS:
    void clicked();
};
