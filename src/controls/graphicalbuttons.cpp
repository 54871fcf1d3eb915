#include "graphicalbuttons.h"

#include "accessibleinterfaces.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// A card is checked while it is marked. Its action is the whole click, as the mouse's is
// (counted, marked, compared); the toolkit's own toggle would only flip the checked state.
class CardAccessible : public ClickActionAccessible
{
public:
    explicit CardAccessible(CardButton *card)
        : ClickActionAccessible(card, QAccessible::CheckBox, toggleAction())
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && card()->accessibleName().isEmpty())
            return card()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = card()->isChecked();
        state.pressed = card()->isDown();
        return state;
    }

protected:
    // Played like a press of the button, after the call has returned: the click may
    // wait in a message box, and the assistive tool must not wait with it.
    void click() override { card()->animateClick(); }

private:
    CardButton *card() const { return static_cast<CardButton *>(widget()); }
};

QAccessibleInterface *cardInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("CardButton"))
        return new CardAccessible(static_cast<CardButton *>(object));
    return nullptr;
}

const QColor highlight{255, 255, 255};
const QColor light{227, 227, 227};
const QColor shadow{128, 128, 128};
const QColor darkShadow{0, 0, 0};
const QColor grayText{128, 128, 128};

void drawBevel(QPainter &painter, QRect rect, const QColor &topLeft, const QColor &bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight() - QPoint(1, 0));
    painter.drawLine(rect.topLeft(), rect.bottomLeft() - QPoint(0, 1));
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

void paintGraphical(QAbstractButton &button, const QColor &backColor, bool sunken)
{
    QPainter painter(&button);
    const QRect outer = button.rect();
    painter.fillRect(outer, backColor);

    const QRect inner = outer.adjusted(1, 1, -1, -1);
    if (sunken) {
        drawBevel(painter, outer, darkShadow, highlight);
        drawBevel(painter, inner, shadow, light);
    } else {
        drawBevel(painter, outer, highlight, darkShadow);
        drawBevel(painter, inner, light, shadow);
    }

    QRect textRect = outer.adjusted(3, 3, -3, -3);
    if (sunken)
        textRect.translate(1, 1);
    painter.setFont(button.font());
    painter.setPen(button.isEnabled() ? button.palette().color(QPalette::ButtonText) : grayText);
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, button.text());

    if (button.hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(outer.adjusted(3, 3, -4, -4));
    }
}

// The toolkit's toggles take only their indicator and caption as click area, and report
// that to assistive technology as their place; a graphical toggle is all button.
class WholeButtonClickStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override
    {
        if (element == SE_CheckBoxClickRect || element == SE_RadioButtonClickRect)
            return option->rect;
        return QProxyStyle::subElementRect(element, option, widget);
    }
};

QStyle *wholeButtonClickStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new WholeButtonClickStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style;
}

} // namespace

GraphicalButton::GraphicalButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
    , m_backColor(palette().color(QPalette::Button))
{
    // Enter presses the focused button, as Space does.
    setAutoDefault(true);
}

void GraphicalButton::setBackColor(const QColor &colour)
{
    if (colour == m_backColor)
        return;
    m_backColor = colour;
    update();
}

void GraphicalButton::paintEvent(QPaintEvent *)
{
    paintGraphical(*this, m_backColor, isDown());
}

CardButton::CardButton(QWidget *parent)
    : GraphicalButton(QString(), parent)
{
    installAccessibleFactory<cardInterface>();
    setCheckable(true);
}

GraphicalCheckBox::GraphicalCheckBox(const QString &caption, const QColor &backColor, QWidget *parent)
    : QCheckBox(caption, parent)
    , m_backColor(backColor)
{
    setStyle(wholeButtonClickStyle());
}

void GraphicalCheckBox::paintEvent(QPaintEvent *)
{
    paintGraphical(*this, m_backColor, isChecked() || isDown());
}

GraphicalOptionButton::GraphicalOptionButton(const QString &caption, const QColor &backColor, QWidget *parent)
    : QRadioButton(caption, parent)
    , m_backColor(backColor)
{
    setStyle(wholeButtonClickStyle());
}

void GraphicalOptionButton::deselect()
{
    // An auto-exclusive button refuses to be unchecked while it is the selected one.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

void GraphicalOptionButton::paintEvent(QPaintEvent *)
{
    paintGraphical(*this, m_backColor, isChecked() || isDown());
}
