#pragma once

#include <QSize>
#include <QWidget>

class ClickLabel;
class Services;

// A contact on the splash window that opens in the browser or the mail program.
// Each link label shows one element, takes the size its container gives it, and hands
// its fixed target to the system when that element is clicked; nothing else changes.
class LinkLabel : public QWidget
{
    Q_OBJECT

protected:
    LinkLabel(Services &services, QSize designTwips, QWidget *parent);

    // The system opens the target with its default program; when it cannot, nothing happens.
    void navigateTo(const QString &target);
    // The one visible element, at its design rectangle from the control's top-left corner,
    // with the pointing hand; its clicks open the target.
    ClickLabel *addElement(const QRect &twips);
    // Label1: the underlined text of the three text links.
    ClickLabel *addLabel1(const QString &text, QSize twips);

    void resizeEvent(QResizeEvent *event) override;

private:
    Services &m_services;
    QWidget *m_element = nullptr;
    QRect m_elementRect;
};

// The school's logo, linking to the school's web site.
class LinkQuor : public LinkLabel
{
    Q_OBJECT

public:
    LinkQuor(Services &services, QWidget *parent);

private:
    void imgLogo_Click();
};

// The school's name, linking to the school's web site.
class LinkQuor2 : public LinkLabel
{
    Q_OBJECT

public:
    LinkQuor2(Services &services, QWidget *parent);

private:
    void Label1_Click();
};

// The supervising teacher's mail address.
class MailBrasko : public LinkLabel
{
    Q_OBJECT

public:
    MailBrasko(Services &services, QWidget *parent);

private:
    void Label1_Click();
};

// The mail address of the authors' team.
class MailTeam : public LinkLabel
{
    Q_OBJECT

public:
    MailTeam(Services &services, QWidget *parent);

private:
    void Label1_Click();
};
