#include "look.h"

#include <QImageReader>
#include <QPalette>
#include <QWidget>

namespace Look {

QFont font(double pointSize, bool bold, bool underline)
{
    QFont result{QString::fromLatin1(fontFamily)};
    result.setPointSizeF(pointSize);
    result.setBold(bold);
    result.setUnderline(underline);
    return result;
}

void setBackground(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QPixmap builtInPicture(const QString &resource)
{
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QString displayText(const QString &text)
{
    QString result = text;
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

} // namespace Look
