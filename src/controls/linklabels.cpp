#include "linklabels.h"

#include "clicktargets.h"
#include "contacts.h"
#include "geometry.h"
#include "look.h"
#include "services.h"

#include <QCursor>
#include <QPixmap>

namespace {

QString mailto(QStringView address)
{
    QString target = QStringLiteral("mailto:");
    target += address;
    return target;
}

} // namespace

LinkLabel::LinkLabel(Services &services, QSize designTwips, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
{
    resize(twipsToPixels(designTwips));
}

void LinkLabel::navigateTo(const QString &target)
{
    m_services.openUrl(target);
}

ClickLabel *LinkLabel::addElement(const QRect &twips)
{
    auto *element = new ClickLabel(QAccessible::Link, this);
    // The fingertip of the hand is the hot spot.
    element->setCursor(QCursor(Look::builtInPicture(QStringLiteral(":/assets/hand.png")), 12, 1));
    m_element = element;
    m_elementRect = twipsToPixels(twips);
    element->setGeometry(m_elementRect & rect());
    return element;
}

ClickLabel *LinkLabel::addLabel1(const QString &text, QSize twips)
{
    ClickLabel *label = addElement({0, 0, twips.width(), twips.height()});
    label->setObjectName(QStringLiteral("Label1"));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(Look::font(9.75, false, true));
    label->setAccessibleName(text);
    return label;
}

// What lies beyond a smaller container is cut off; the element ends there too, so that
// a magnifier or screen reader is told the part that is drawn.
void LinkLabel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_element)
        m_element->setGeometry(m_elementRect & rect());
}

LinkQuor::LinkQuor(Services &services, QWidget *parent)
    : LinkLabel(services, {3600, 855}, parent)
{
    ClickLabel *imgLogo = addElement({0, 0, 3540, 825});
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgLogo->setPixmap(Look::builtInPicture(QStringLiteral(":/assets/school-logo.png")));
    imgLogo->setAccessibleName(Contacts::schoolName.toString());
    connect(imgLogo, &ClickLabel::clicked, this, &LinkQuor::imgLogo_Click);
}

void LinkQuor::imgLogo_Click()
{
    navigateTo(Contacts::schoolWebHost.toString());
}

LinkQuor2::LinkQuor2(Services &services, QWidget *parent)
    : LinkLabel(services, {2280, 285}, parent)
{
    auto *label1 = addLabel1(Contacts::schoolName.toString(), {2295, 255});
    connect(label1, &ClickLabel::clicked, this, &LinkQuor2::Label1_Click);
}

void LinkQuor2::Label1_Click()
{
    navigateTo(Contacts::schoolWebHost.toString());
}

MailBrasko::MailBrasko(Services &services, QWidget *parent)
    : LinkLabel(services, {3210, 315}, parent)
{
    auto *label1 = addLabel1(Contacts::teacherMail.toString(), {3135, 255});
    connect(label1, &ClickLabel::clicked, this, &MailBrasko::Label1_Click);
}

void MailBrasko::Label1_Click()
{
    navigateTo(mailto(Contacts::teacherMail));
}

MailTeam::MailTeam(Services &services, QWidget *parent)
    : LinkLabel(services, {3210, 315}, parent)
{
    auto *label1 = addLabel1(Contacts::teamMail.toString(), {3135, 255});
    connect(label1, &ClickLabel::clicked, this, &MailTeam::Label1_Click);
}

void MailTeam::Label1_Click()
{
    navigateTo(mailto(Contacts::teamMail));
}
