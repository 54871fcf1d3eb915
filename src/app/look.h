#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QWidget;

namespace Look {

// Every text of the program asks for this face; fontconfig maps it to Comic Neue on Debian.
inline constexpr auto fontFamily = "Comic Sans MS";

QFont font(double pointSize, bool bold = false, bool underline = false);

// The windowing system's desktop colour, behind the board, print-or-not and continue windows.
inline constexpr QColor desktop{58, 110, 165};
inline constexpr QColor selectionBackground{128, 128, 255};
inline constexpr QColor white{255, 255, 255};

// Fills the widget's background with exactly this colour.
void setBackground(QWidget &widget, const QColor &colour);

// One of the program's own PNG pictures. Naming the format and forbidding a guess keeps
// Qt from loading every image plugin to ask whether it knows the file.
QPixmap builtInPicture(const QString &resource);

// Texts of the program break lines with a single carriage return; each one is one new line.
QString displayText(const QString &text);

} // namespace Look
